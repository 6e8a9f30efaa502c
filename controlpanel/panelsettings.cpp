// The panel settings that a wall keeps: which control holds each, how each
// is put back, and how a change of any is heard.
#include "wallcontrol.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QSignalBlocker>

#include <array>

namespace {

// A hand-edited table of more cells than any wall has would only tie up the
// panel.
const int largestTableSide = 1024;

struct NumberControl
{
    int PanelSettings::*setting;
    QSpinBox *box;
    // A change of the gray sweep's speed starts the sweep on the window; it
    // is shown on the slider only, and the pattern decides what runs.
    QAbstractSlider *quietSlider;
};

std::array<NumberControl, 8> numberControls(const Ui::MainWindow *form)
{
    return { {
        { &PanelSettings::cabinetWidth, form->spinBox_timedelayw, nullptr },
        { &PanelSettings::cabinetHeight, form->spinBox_timedelayh, nullptr },
        { &PanelSettings::cellWidth, form->spinBox_barwid, nullptr },
        { &PanelSettings::cellHeight, form->spinBox_barhei, nullptr },
        { &PanelSettings::scanLineWidth, form->spinBox_linwid, nullptr },
        { &PanelSettings::scanLineGap, form->spinBox_lined, nullptr },
        { &PanelSettings::scanSpeed, form->spinBox_linespeed, nullptr },
        { &PanelSettings::graySweepSpeed, form->spinBox_grayspeed, form->horizontalSlider_grayspeed },
    } };
}

// A check box, or the first of two exclusive buttons: checking `off` is the
// only way to uncheck `on`.
struct SwitchControl
{
    bool PanelSettings::*setting;
    QAbstractButton *on;
    QAbstractButton *off;
};

std::array<SwitchControl, 3> switchControls(const Ui::MainWindow *form)
{
    return { {
        { &PanelSettings::manualCellSize, form->radioButton_manual, form->radioButton_auto },
        { &PanelSettings::tileCells, form->checkBox, nullptr },
        { &PanelSettings::fitPicture, form->checkBox_scale, form->checkBox_noscale },
    } };
}

struct WellControl
{
    QColor PanelSettings::*setting;
    MainWindow::ColorWell well;
    QAbstractButton *button;
};

std::array<WellControl, 4> wellControls(const Ui::MainWindow *form)
{
    return { {
        { &PanelSettings::darkColor, MainWindow::DarkWell, form->pushButton_dark },
        { &PanelSettings::lightColor, MainWindow::LightWell, form->pushButton_shallow },
        { &PanelSettings::scanBackground, MainWindow::BackgroundWell, form->pushButton_bgcol },
        { &PanelSettings::scanLineColor, MainWindow::LineWell, form->pushButton_linecol },
    } };
}

QColor cellColor(const QTableWidgetItem *item)
{
    return item ? item->data(Qt::BackgroundRole).value<QColor>() : QColor(Qt::white);
}

} // namespace

bool PanelSettings::operator==(const PanelSettings &other) const
{
    return cabinetWidth == other.cabinetWidth && cabinetHeight == other.cabinetHeight
           && cellWidth == other.cellWidth && cellHeight == other.cellHeight
           && scanLineWidth == other.scanLineWidth && scanLineGap == other.scanLineGap
           && scanSpeed == other.scanSpeed && graySweepSpeed == other.graySweepSpeed
           && manualCellSize == other.manualCellSize && tileCells == other.tileCells
           && fitPicture == other.fitPicture && darkColor == other.darkColor && lightColor == other.lightColor
           && scanBackground == other.scanBackground && scanLineColor == other.scanLineColor
           && picturePath == other.picturePath && tableColumns == other.tableColumns
           && tableRows == other.tableRows && tableColors == other.tableColors;
}

PanelSettings WallControl::panelSettings() const
{
    PanelSettings settings;
    for (const NumberControl &number : numberControls(form))
        settings.*number.setting = number.box->value();
    for (const SwitchControl &button : switchControls(form))
        settings.*button.setting = button.on->isChecked();
    for (const WellControl &well : wellControls(form))
        settings.*well.setting = panel->wellColor(well.well);
    settings.picturePath = panel->picturePath();
    // Until the first edit the table has not reached the window, and the
    // cell-size choice is still locked.
    if (form->radioButton_auto->isEnabled()) {
        const QTableWidget *table = form->tableWidget;
        settings.tableColumns = table->columnCount();
        settings.tableRows = table->rowCount();
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c)
                settings.tableColors.append(cellColor(table->item(r, c)));
        }
    }
    return settings;
}

void WallControl::setPanelSettings(const PanelSettings &settings)
{
    const PanelSettings before = panelSettings();
    // Switches first: the cell sizes and the picture read them.
    for (const SwitchControl &button : switchControls(form)) {
        const bool on = settings.*button.setting;
        if (on || !button.off)
            button.on->setChecked(on);
        else
            button.off->setChecked(true);
    }
    for (const NumberControl &number : numberControls(form)) {
        const int value = settings.*number.setting;
        if (number.quietSlider) {
            const QSignalBlocker quiet(number.box);
            number.box->setValue(value);
            number.quietSlider->setValue(value);
        } else {
            number.box->setValue(value);
        }
    }
    for (const WellControl &well : wellControls(form))
        panel->setWellColor(well.well, settings.*well.setting);
    if (!settings.picturePath.isEmpty() && settings.picturePath != before.picturePath)
        panel->setPicturePath(settings.picturePath);
    setColorTable(settings);
    if (panelSettings() != before)
        emit changed();
}

// The table goes to the window as an edit on the panel sends it, which also
// lets the operator choose the cell size again.
void WallControl::setColorTable(const PanelSettings &settings)
{
    const int columns = settings.tableColumns;
    const int rows = settings.tableRows;
    if (columns < 1 || rows < 1 || settings.tableColors.size() != columns * rows)
        return;
    const PanelSettings now = panelSettings();
    if (now.tableColumns == columns && now.tableRows == rows && now.tableColors == settings.tableColors)
        return;
    QTableWidget *table = form->tableWidget;
    table->clearContents();
    table->setColumnCount(columns);
    table->setRowCount(rows);
    for (int i = 0; i < settings.tableColors.size(); ++i) {
        auto *item = new QTableWidgetItem;
        item->setData(Qt::BackgroundRole, settings.tableColors.at(i));
        table->setItem(i / columns, i % columns, item);
    }
    panel->on_pushButton_showcolbar_clicked();
}

ValueRange WallControl::range(int PanelSettings::*setting) const
{
    if (setting == &PanelSettings::tableColumns || setting == &PanelSettings::tableRows)
        return { 1, largestTableSide };
    for (const NumberControl &number : numberControls(form)) {
        if (number.setting == setting)
            return { number.box->minimum(), number.box->maximum() };
    }
    return {};
}

// The panel's own slots run first (connected by name when the form was set
// up), so a picked colour or file is stored when the change is told.
void WallControl::watchPanelSettings()
{
    for (QSpinBox *box : { form->spinBox_x, form->spinBox_y, form->spinBox_width, form->spinBox_height })
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &WallControl::changed);
    for (const NumberControl &number : numberControls(form))
        connect(number.box, qOverload<int>(&QSpinBox::valueChanged), this, &WallControl::changed);
    for (const SwitchControl &button : switchControls(form))
        connect(button.on, &QAbstractButton::toggled, this, &WallControl::changed);
    for (const WellControl &well : wellControls(form))
        connect(well.button, &QAbstractButton::clicked, this, &WallControl::changed);
    connect(form->pushButton_filepath, &QAbstractButton::clicked, this, &WallControl::changed);
    connect(panel, &MainWindow::sendcolorlist, this, &WallControl::changed);
}
