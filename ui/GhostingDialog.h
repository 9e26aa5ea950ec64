#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

// How many neighbouring frames are ghosted and in which colours. OK issues
// the five ghosting commands in order; Cancel changes nothing.
class GhostingDialog : public QDialog
{
    Q_OBJECT

public:
    static const char* const PREVIOUS_COLOR_NAME;
    static const char* const NEXT_COLOR_NAME;

    explicit GhostingDialog(QWidget* parent);

    QSpinBox* GetPreviousCountBox() const { return previousCount; }
    QSpinBox* GetNextCountBox() const { return nextCount; }
    QCheckBox* GetOverrideBox() const { return colorOverride; }

public slots:
    void Apply();

private:
    QWidget* BuildFramesGroup();
    QWidget* BuildColorGroup();

    QSpinBox* previousCount = nullptr;
    QSpinBox* nextCount = nullptr;
    QCheckBox* colorOverride = nullptr;
};
