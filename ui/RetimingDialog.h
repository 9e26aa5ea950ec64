#pragma once

#include "ui/PersistentPanel.h"

class QCheckBox;
class QHBoxLayout;
class QPushButton;

// One-click retiming of drawing frames: the first row holds each frame for
// 1 to 6 frames, the second changes the hold by -2 to +2; both carry the
// "Move to Next Frame" choice. The retiming itself is the frame command's.
class RetimingDialog : public PersistentPanel
{
    Q_OBJECT

public:
    explicit RetimingDialog(QWidget* parent);

    QList<QPushButton*> GetAbsoluteButtons() const { return absoluteButtons; }
    QList<QPushButton*> GetRelativeButtons() const { return relativeButtons; }
    QCheckBox* GetMoveToNextFrameBox() const { return moveToNextFrame; }

public slots:
    void RetimeAbsolute();
    void RetimeRelative();
    void OnMoveToNextFrameToggled();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* AddButton(QHBoxLayout* row, const QString& text, int width, const char* slot);
    void Retime(bool relative);

    QList<QPushButton*> absoluteButtons;
    QList<QPushButton*> relativeButtons;
    QCheckBox* moveToNextFrame = nullptr;
};
