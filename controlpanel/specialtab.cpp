// Tab 5 (gray blocks and contrast charts) and tab 6 (clocks, grid and circles, custom picture).
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"
#include "picturesource.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>

namespace {

QString basicPictureFilter()
{
    return MainWindow::tr("Image Files(*.png *.jpg *.bmp)");
}

// Whatever else the installed image plugins read, offered after the three
// formats the operator usually has.
QString otherPictureFilter()
{
    QStringList patterns;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QByteArray &format : formats) {
        const QString suffix = QString::fromLatin1(format).toLower();
        if (suffix == QLatin1String("png") || suffix == QLatin1String("jpg") || suffix == QLatin1String("bmp"))
            continue;
        const QString pattern = QStringLiteral("*.") + suffix;
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    }
    if (patterns.isEmpty())
        return QString();
    return MainWindow::tr("Other Image Files(%1)").arg(patterns.join(QLatin1Char(' ')));
}

// The chooser is built here rather than through the static helper so that it
// never hands over to a native dialog: the same dialog runs on every desktop
// and in the tests. Returns the empty name when the operator cancels.
QString askPictureFile(QWidget *parent, const QString &previousFile)
{
    QFileDialog chooser(parent, MainWindow::tr("OpenImage"), previousFile);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    QStringList filters{ basicPictureFilter() };
    const QString others = otherPictureFilter();
    if (!others.isEmpty())
        filters.append(others);
    chooser.setNameFilters(filters);
    chooser.selectNameFilter(filters.first());
    if (chooser.exec() != QDialog::Accepted)
        return QString();
    return chooser.selectedFiles().value(0);
}

void setAllVisible(const QList<QWidget *> &widgets, bool visible)
{
    for (QWidget *widget : widgets)
        widget->setVisible(visible);
}

} // namespace

void MainWindow::wireScanSpecial()
{
    connect(ui->checkBox_hor, SIGNAL(stateChanged(int)), this, SLOT(setScanLine()));
    connect(ui->checkBox_ver, SIGNAL(stateChanged(int)), this, SLOT(setScanLine()));
    connect(ui->checkBox_rl, SIGNAL(stateChanged(int)), this, SLOT(setScanLine()));
    connect(ui->checkBox_lr, SIGNAL(stateChanged(int)), this, SLOT(setScanLine()));
    connect(ui->checkBox_overlay, SIGNAL(stateChanged(int)), this, SLOT(setoverlay()));
    connect(ui->spinBox_lined, SIGNAL(valueChanged(int)), this, SLOT(setScanLine()));
    connect(ui->spinBox_linwid, SIGNAL(valueChanged(int)), this, SLOT(setScanLine()));
    connect(ui->spinBox_linespeed, SIGNAL(valueChanged(int)), this, SLOT(setScanSpeed()));
    connect(ui->pushButton_scanstart, SIGNAL(clicked(bool)), this, SLOT(setScanSpeed()));
    // One way only: setScanSpeed moves the slider itself.
    connect(ui->horizontalSlider_linespeed, SIGNAL(valueChanged(int)), ui->spinBox_linespeed, SLOT(setValue(int)));
    connect(ui->buttonGroup_6, SIGNAL(idClicked(int)), this, SLOT(setcontrasttest()));
    connect(ui->buttonGroup_8, SIGNAL(idClicked(int)), this, SLOT(setSpecialTest()));
    connect(ui->spinBox_timedelayh, SIGNAL(valueChanged(int)), this, SLOT(setSpecialTest()));
    connect(ui->spinBox_timedelayw, SIGNAL(valueChanged(int)), this, SLOT(setSpecialTest()));
    connect(ui->checkBox_hidefont, SIGNAL(clicked(bool)), this, SLOT(setcontrasttest()));
    const PictureSource *pictures = patternWindow->pictures();
    connect(pictures, &PictureSource::decodingStarted, this, [this, pictures] { pictureDecodeStarted(pictures->path()); });
    connect(pictures, &PictureSource::changed, this, [this, pictures] { pictureDecodeEnded(pictures->path(), pictures->error()); });
}

void MainWindow::initScanSpecialState()
{
    setAllVisible({ ui->label_44, ui->label_45, ui->spinBox_timedelayh, ui->spinBox_timedelayw,
                    ui->pushButton_filepath, ui->label_filepath, ui->checkBox_scale, ui->checkBox_noscale,
                    ui->spinBox_rectsize, ui->label_48 }, false);
}

void MainWindow::setcontrasttest()
{
    const int id = ui->buttonGroup_6->checkedId();
    qDebug() << id;
    patternWindow->setGrayBlockTest(-id - 2, ui->checkBox_hidefont->isChecked());
}

void MainWindow::setSpecialTest()
{
    patternWindow->setMode(Special);
    const int id = ui->buttonGroup_8->checkedId();
    qDebug() << id;

    setAllVisible({ ui->label_44, ui->label_45, ui->spinBox_timedelayh, ui->spinBox_timedelayw }, id == -3);
    setAllVisible({ ui->pushButton_filepath, ui->label_filepath, ui->checkBox_scale, ui->checkBox_noscale }, id == -5);

    patternWindow->setSpecialPattern(-id - 2, ui->spinBox_timedelayw->value(), ui->spinBox_timedelayh->value());
}

void MainWindow::on_pushButton_filepath_clicked()
{
    const QString path = askPictureFile(this, chosenPicturePath);
    if (path.isEmpty())
        return; // a cancelled chooser keeps the operator's last picture

    setPicturePath(path);
}

void MainWindow::setPicturePath(const QString &path)
{
    chosenPicturePath = path;
    ui->label_filepath->setText(chosenPicturePath);
    showChosenPicture();
}

void MainWindow::on_checkBox_scale_stateChanged()
{
    if (chosenPicturePath.isEmpty())
        return;
    showChosenPicture();
}

// The picture decodes in the background; whether it shows or why it cannot
// comes back through pictureDecodeEnded.
void MainWindow::showChosenPicture()
{
    patternWindow->setPicture(chosenPicturePath, ui->checkBox_scale->isChecked());
    if (patternWindow->isPictureDecoding())
        pictureAwaited = true;
}

void MainWindow::pictureDecodeStarted(const QString &path)
{
    ui->label_filepath->setToolTip(tr("Decoding %1 …").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::pictureDecodeEnded(const QString &path, const QString &problem)
{
    ui->label_filepath->setToolTip(problem.isEmpty() ? path : problem);
    const bool awaited = pictureAwaited;
    pictureAwaited = false;
    if (awaited && !problem.isEmpty())
        QMessageBox::warning(this, tr("WARNING"), problem);
}
