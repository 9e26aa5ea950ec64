#include "ui/CameraList.h"

#include <QScrollArea>
#include <QVBoxLayout>

CameraList::CameraList(QWidget* parent) : QWidget(parent)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, colors.color(QPalette::Mid));
    colors.setColor(QPalette::Highlight, colors.color(QPalette::Midlight));
    setPalette(colors);

    QWidget* content = new QWidget();
    sectionLayout = new QVBoxLayout(content);
    sectionLayout->setContentsMargins(0, 0, 0, 0);
    sectionLayout->setSpacing(0);
    sectionLayout->setAlignment(Qt::AlignTop);
    scrollArea = new QScrollArea(this);
    scrollArea->setWidgetResizable(true);
    scrollArea->setWidget(content);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scrollArea);
}

CameraLayerList* CameraList::AddSection(const QString& camera)
{
    CameraLayerList* section = new CameraLayerList(camera, scrollArea->widget());
    sectionLayout->addWidget(section);
    sections.append(section);
    return section;
}

void CameraList::RemoveLastSection()
{
    CameraLayerList* section = sections.takeLast();
    sectionLayout->removeWidget(section);
    // One of its rows may be handling the event that led here.
    section->hide();
    section->deleteLater();
}

void CameraList::AppendLayer(const QString& camera, const QString& name, bool visible, LayerState state)
{
    CameraLayerList* section = GetCameraLayerList(camera);
    if (!section)
        section = AddSection(camera);
    section->AppendLayer(name, visible, state);
}

void CameraList::SetSections(const QList<Section>& wanted)
{
    while (sections.size() > wanted.size())
        RemoveLastSection();
    for (int i = 0; i < wanted.size(); ++i) {
        CameraLayerList* section = i < sections.size() ? sections[i] : AddSection(wanted[i].camera);
        section->SetCameraName(wanted[i].camera);
        section->SetRows(wanted[i].rows);
    }
}

CameraLayerList* CameraList::GetCameraLayerList(const QString& camera) const
{
    for (CameraLayerList* section : sections)
        if (section->GetCameraName() == camera)
            return section;
    return nullptr;
}

int CameraList::LayerCount(const QString& camera) const
{
    const CameraLayerList* section = GetCameraLayerList(camera);
    return section ? section->LayerCount() : 0;
}

void CameraList::SetActive(const QString& camera, int index, bool active)
{
    if (CameraLayerList* section = GetCameraLayerList(camera))
        section->SetActive(index, active);
}

void CameraList::SetVisible(const QString& camera, int index, bool visible)
{
    if (CameraLayerList* section = GetCameraLayerList(camera))
        section->SetVisible(index, visible);
}

void CameraList::SetLayerState(const QString& camera, int index, LayerState state)
{
    if (CameraLayerList* section = GetCameraLayerList(camera))
        section->SetLayerState(index, state);
}

void CameraList::Clear()
{
    while (!sections.isEmpty())
        RemoveLastSection();
}
