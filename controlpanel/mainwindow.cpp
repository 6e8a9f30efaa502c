#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"
#include "wallcontrol.h"

#include <QColorDialog>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <QtPlugin>

// Decodes each picture the style sheets name once (decodedonceicons.cpp).
Q_IMPORT_PLUGIN(DecodedOnceIconPlugin)

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    Q_INIT_RESOURCE(resources);
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    ui->tabWidget->tabBar()->hide();

    patternWindow = new dialog;
    patternWindow->connectColorSource(this);

    ui->stackedWidget->setCurrentIndex(1);

    wireColorTable();
    wireSolidGray();
    wireScanSpecial();
    wirePlacement();

    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(700, 500, 601, 302);
    ui->pushButton_extend->setText(QStringLiteral(">"));
    ui->label_12->hide();
    pressCursorX = x();
    pressCursorY = y();

    initColorTableState();
    initSolidGrayState();
    initScanSpecialState();
    wallControl = new WallControl(this);
    addOutputChooser();
    addWallStatus();
    addTechnicianPage();
}

MainWindow::~MainWindow()
{
    // Nobody hears of the window's last hide, which comes with its deletion.
    delete wallControl;
    delete ui;
    delete patternWindow;
}

void MainWindow::on_pushButton_close_clicked()
{
    close();
    patternWindow->close();
}

void MainWindow::on_pushButton_closeall_clicked()
{
    close();
    patternWindow->close();
}

void MainWindow::on_pushButton_opendlg_clicked()
{
    patternWindow->show();
}

void MainWindow::on_pushButton_closedlg_clicked()
{
    patternWindow->close();
}

void MainWindow::on_pushButton_p0_clicked() { ui->tabWidget->setCurrentIndex(0); }
void MainWindow::on_pushButton_p1_clicked() { ui->tabWidget->setCurrentIndex(1); }
void MainWindow::on_pushButton_p2_clicked() { ui->tabWidget->setCurrentIndex(2); }
void MainWindow::on_pushButton_p3_clicked() { ui->tabWidget->setCurrentIndex(3); }
void MainWindow::on_pushButton_p4_clicked() { ui->tabWidget->setCurrentIndex(4); }
void MainWindow::on_pushButton_p5_clicked() { ui->tabWidget->setCurrentIndex(5); }

void MainWindow::on_pushButton_selectpage_clicked()
{
    const QVariant page = ui->comboBox_page->currentData();
    ui->stackedWidget->setCurrentIndex(page.isValid() ? page.toInt() : ui->comboBox_page->currentIndex());
    patternWindow->show();
}

// The panel is frameless and translucent: it paints its own white card and a
// soft outline that fades outwards.
void MainWindow::paintEvent(QPaintEvent *)
{
    QPainterPath card;
    card.setFillRule(Qt::WindingFill);
    card.addRect(5, 5, width() - 10, height() - 10);

    QPainter painter(this);
    painter.fillPath(card, QBrush(Qt::white));

    QColor outline(0, 0, 0, 50);
    for (int k = 0; k < 5; ++k) {
        const int n = 5 - k;
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        path.addRect(n, n, width() - 2 * n, height() - 2 * n);
        outline.setAlpha(static_cast<int>(150 - 50 * qSqrt(2.0 * k)));
        painter.setPen(outline);
        painter.drawPath(path);
    }
}

// The colour wells of the gray ramps and the scan lines. A cancelled dialog
// keeps the operator's last colour and sends nothing.
void MainWindow::pickWellColor(QColor &picked, QPushButton *well, void (MainWindow::*apply)())
{
    const QColor color = QColorDialog::getColor(Qt::white, nullptr, QString());
    if (!color.isValid())
        return;
    picked = color;
    (this->*apply)();
    well->setStyleSheet(QStringLiteral("background-color: ") + color.name());
}

QColor MainWindow::wellColor(ColorWell well) const
{
    switch (well) {
    case DarkWell: return pickedDarkColor;
    case LightWell: return pickedLightColor;
    case BackgroundWell: return pickedBackgroundColor;
    case LineWell: return pickedLineColor;
    }
    return QColor();
}

void MainWindow::setWellColor(ColorWell well, const QColor &color)
{
    QColor *picked = &pickedDarkColor;
    QPushButton *button = ui->pushButton_dark;
    switch (well) {
    case DarkWell: break;
    case LightWell: picked = &pickedLightColor; button = ui->pushButton_shallow; break;
    case BackgroundWell: picked = &pickedBackgroundColor; button = ui->pushButton_bgcol; break;
    case LineWell: picked = &pickedLineColor; button = ui->pushButton_linecol; break;
    }
    if (*picked == color)
        return; // keeps the well's style sheet from the form
    *picked = color;
    button->setStyleSheet(QStringLiteral("background-color: ") + color.name());
}

void MainWindow::setWallGroupStatus(const QString &text)
{
    // The panel's layout is fixed to the pixel: the line goes in the free
    // space of the title row, left of the close button, on both pages.
    if (!wallGroupStatus) {
        wallGroupStatus = new QLabel(this);
        wallGroupStatus->setGeometry(140, 8, 420, 20);
        wallGroupStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        wallGroupStatus->setStyleSheet(QStringLiteral("color: #555; background: transparent;"));
    }
    wallGroupStatus->raise();
    wallGroupStatus->setText(text);
    wallGroupStatus->setVisible(!text.isEmpty());
}
