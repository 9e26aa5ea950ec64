#include "ui/ColorPaletteDialog.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "ui/DialogManager.h"
#include "ui/FlatButton.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>

ColorPaletteDialog::ColorPaletteDialog(QWidget* parent) : PersistentPanel(&Settings::colorPaletteGeometry, parent)
{
    setWindowTitle(QStringLiteral("Color Palette"));
    setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Even swatches in the first row, odd ones in the second.
    for (int i = 0; i < SWATCH_COUNT; ++i) {
        auto* swatch = new FlatButton;
        swatch->setFixedSize(24, 24);
        layout->addWidget(swatch, i % 2, i / 2);
        connect(swatch, SIGNAL(clicked()), this, SLOT(OnColorSelected()));
        swatches.append(swatch);
    }
    connect(this, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(ShowContextMenu(QPoint)));
    RefreshColors();
}

void ColorPaletteDialog::showEvent(QShowEvent* event)
{
    RefreshColors();
    PersistentPanel::showEvent(event);
}

void ColorPaletteDialog::RefreshColors()
{
    for (int i = 0; i < swatches.size(); ++i)
        swatches[i]->SetBackgroundColor(QColorDialog::customColor(i));
}

void ColorPaletteDialog::OnColorSelected()
{
    if (auto* swatch = qobject_cast<FlatButton*>(sender()))
        MayaUtil::SetActiveColor(swatch->GetBackgroundColor());
}

void ColorPaletteDialog::ShowContextMenu(const QPoint& point)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Customize..."), this, SLOT(CustomizeColors()));
    menu.exec(mapToGlobal(point));
}

// The user edits the custom colours in the chooser; the colour it returns
// is not used.
void ColorPaletteDialog::CustomizeColors()
{
    QColorDialog::getColor(QColorDialog::customColor(0), DialogManager::MainWindow(),
                           QStringLiteral("Customize Palette Colors"), QColorDialog::DontUseNativeDialog);
    RefreshColors();
}
