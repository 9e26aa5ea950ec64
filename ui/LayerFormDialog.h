#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

// What the New Layer and Layer Properties dialogs share: a form that starts
// with the layer's name and camera, and OK and Cancel below it. OK runs the
// subclass's slot given to Finish; Cancel closes without a change.
class LayerFormDialog : public QDialog
{
    Q_OBJECT

public:
    LayerFormDialog(const QString& title, QWidget* parent);

    void SetLayerName(const QString& name);
    QString GetLayerName() const;
    // Replaces the camera box's items; selects `current` when it is one of
    // them, otherwise nothing.
    void SetCameras(const QStringList& cameras, const QString& current);
    QString GetCamera() const;

    QLineEdit* NameEdit() const { return nameEdit; }
    QComboBox* CameraBox() const { return cameraBox; }
    QPushButton* OkButton() const { return okButton; }
    QPushButton* CancelButton() const { return cancelButton; }

protected:
    QFormLayout* Form() const { return form; }
    // Lays the form out above OK and Cancel; OK runs `acceptSlot`.
    void Finish(const char* acceptSlot);

private slots:
    void UpdateOkButton();

private:
    QFormLayout* form;
    QLineEdit* nameEdit;
    QComboBox* cameraBox;
    QPushButton* okButton;
    QPushButton* cancelButton;
};
