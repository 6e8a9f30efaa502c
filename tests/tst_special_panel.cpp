// The contrast and special tabs of the control panel: contrast charts, clocks,
// grid and circles, and the custom picture with its file chooser.
#include "dialog.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <functional>

namespace {

// Answers every modal dialog that opens while it lives, from inside the
// dialog's own event loop, so no test ever waits on one. Warning boxes are
// read and closed.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(std::function<void(QFileDialog *)> chooser) : answerChooser(std::move(chooser))
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (auto *fileDialog = qobject_cast<QFileDialog *>(modal)) {
                ++choosers;
                answerChooser(fileDialog);
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                warnings << box->text();
                box->accept();
            } else if (auto *other = qobject_cast<QDialog *>(modal)) {
                other->reject();
            }
        });
        poll.start(5);
    }
    int choosers = 0;
    QStringList warnings;

private:
    std::function<void(QFileDialog *)> answerChooser;
    QTimer poll;
};

std::function<void(QFileDialog *)> chooseFile(const QString &path)
{
    return [path](QFileDialog *chooser) {
        chooser->selectFile(path);
        static_cast<QDialog *>(chooser)->accept(); // QFileDialog hides its override
    };
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage testImage()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 60));
    return image;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(data.size(), chunk.data());
    chunk += type + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(type + data), crc.data());
    return chunk + crc;
}

// A 65-byte PNG whose valid header claims 60000 × 60000 RGB pixels.
QByteArray hugeHeaderPng()
{
    QByteArray header(8, '\0');
    qToBigEndian<quint32>(60000, header.data());
    qToBigEndian<quint32>(60000, header.data() + 4);
    header += QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header)
        + pngChunk("IDAT", QByteArray::fromHex("789c030000000001")) + pngChunk("IEND", QByteArray());
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The panel on its main page.
struct Panel
{
    MainWindow window;
    Ui::MainWindow *ui = window.form();
    dialog *pattern = window.testPatternWindow();

    Panel()
    {
        window.show();
        ui->stackedWidget->setCurrentIndex(0);
        ui->tabWidget->setCurrentIndex(5);
        pattern->infoVisible = false;
    }

    void click(const QString &name)
    {
        auto *button = window.findChild<QAbstractButton *>(name);
        QVERIFY2(button, qPrintable(name));
        const QPoint where = qobject_cast<QCheckBox *>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
    }

    bool shown(const char *name) const
    {
        auto *widget = window.findChild<QWidget *>(QLatin1String(name));
        return widget && widget->isVisibleTo(&window);
    }

    QImage windowImage() const { return pattern->grab().toImage(); }
};

} // namespace

class TestSpecialPanel : public QObject
{
    Q_OBJECT

private slots:
    void contrastTests_data();
    void contrastTests();
    void checkedTestClickedAgainIsResent_data();
    void checkedTestClickedAgainIsResent();
    void specialTests_data();
    void specialTests();
    void cabinetSizeResendsClock_data();
    void cabinetSizeResendsClock();
    void fitBeforeAnyFileDoesNothing();
    void chooserOffersFilters();
    void pictureWithSpacesAndChineseIsShown();
    void cancelKeepsPicture();
    void sameFileChosenAgainIsReread();
    void badPictureIsReported_data();
    void badPictureIsReported();

private:
    QTemporaryDir files;
};

void TestSpecialPanel::contrastTests_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("hide");

    QTest::newRow("隐藏文字 before any test passes -1") << QStringList{ "checkBox_hidefont" } << -1 << true;
    QTest::newRow("灰度块") << QStringList{ "pushButton" } << 0 << false;
    QTest::newRow("对比度(亮) with hidden text") << QStringList{ "checkBox_hidefont", "pushButton_2" } << 1 << true;
    QTest::newRow("对比度(暗)") << QStringList{ "pushButton_3" } << 2 << false;
    QTest::newRow("隐藏文字 ticked and unticked again")
        << QStringList{ "pushButton_3", "checkBox_hidefont", "checkBox_hidefont" } << 2 << false;
}

void TestSpecialPanel::contrastTests()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, type);
    QFETCH(bool, hide);

    Panel panel;
    panel.ui->tabWidget->setCurrentIndex(4);
    for (const QString &name : clicks)
        panel.click(name);

    QCOMPARE(panel.pattern->mode, int(GrayBlocks));
    QCOMPARE(panel.pattern->grayBlockType, type);
    QCOMPARE(panel.pattern->hideBlockText, hide);
}

void TestSpecialPanel::checkedTestClickedAgainIsResent_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mode");

    QTest::newRow("对比度(亮)") << 4 << "pushButton_2" << int(GrayBlocks);
    QTest::newRow("大屏 restarts the clock") << 5 << "pushButton_fullscreenclock" << int(Special);
    QTest::newRow("箱体 restarts the clock") << 5 << "pushButton_singleclock" << int(Special);
}

void TestSpecialPanel::checkedTestClickedAgainIsResent()
{
    QFETCH(int, tab);
    QFETCH(QString, button);
    QFETCH(int, mode);

    Panel panel;
    panel.ui->tabWidget->setCurrentIndex(tab);
    panel.click(button);
    QTest::qWait(30);
    panel.pattern->setSolidColor(Qt::red);
    panel.pattern->delayTime = QTime(0, 1);

    panel.click(button);

    QVERIFY(panel.window.findChild<QAbstractButton *>(button)->isChecked());
    QCOMPARE(panel.pattern->mode, mode);
    if (mode == Special)
        QCOMPARE(panel.pattern->delayTime, QTime(0, 0));
}

void TestSpecialPanel::specialTests_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("cabinetControls");
    QTest::addColumn<bool>("pictureControls");

    QTest::newRow("at start") << QStringList{} << -1 << false << false;
    QTest::newRow("大屏") << QStringList{ "pushButton_fullscreenclock" } << 0 << false << false;
    QTest::newRow("箱体 shows the cabinet size") << QStringList{ "pushButton_singleclock" } << 1 << true << false;
    QTest::newRow("黑底方格圆圈") << QStringList{ "pushButton_rectcircle" } << 2 << false << false;
    QTest::newRow("自定义图片 shows the picture controls") << QStringList{ "pushButton_rectcircle_2" } << 3 << false << true;
    QTest::newRow("箱体 then 黑底方格圆圈 hides the cabinet size")
        << QStringList{ "pushButton_singleclock", "pushButton_rectcircle" } << 2 << false << false;
    QTest::newRow("自定义图片 then 大屏 hides the picture controls")
        << QStringList{ "pushButton_rectcircle_2", "pushButton_fullscreenclock" } << 0 << false << false;
}

void TestSpecialPanel::specialTests()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, type);
    QFETCH(bool, cabinetControls);
    QFETCH(bool, pictureControls);

    Panel panel;
    for (const QString &name : clicks)
        panel.click(name);

    if (type >= 0) {
        QCOMPARE(panel.pattern->mode, int(Special));
        QCOMPARE(panel.pattern->specialType, type);
        QCOMPARE(panel.pattern->cabinetWidth, 384);
        QCOMPARE(panel.pattern->cabinetHeight, 216);
    } else {
        QCOMPARE(panel.pattern->mode, int(Solid));
    }
    for (const char *name : { "label_44", "label_45", "spinBox_timedelayw", "spinBox_timedelayh" })
        QVERIFY2(panel.shown(name) == cabinetControls, name);
    for (const char *name : { "pushButton_filepath", "label_filepath", "checkBox_scale", "checkBox_noscale" })
        QVERIFY2(panel.shown(name) == pictureControls, name);
}

void TestSpecialPanel::cabinetSizeResendsClock_data()
{
    QTest::addColumn<bool>("width");
    QTest::newRow("cabinet width") << true;
    QTest::newRow("cabinet height") << false;
}

void TestSpecialPanel::cabinetSizeResendsClock()
{
    QFETCH(bool, width);

    Panel panel;
    panel.click("pushButton_fullscreenclock");
    QTRY_VERIFY(panel.pattern->delayTime > QTime(0, 0));

    (width ? panel.ui->spinBox_timedelayw : panel.ui->spinBox_timedelayh)->setValue(500);

    QCOMPARE(panel.pattern->delayTime, QTime(0, 0));
    QCOMPARE(panel.pattern->specialType, 0);
    QCOMPARE(panel.pattern->cabinetWidth, width ? 500 : 384);
    QCOMPARE(panel.pattern->cabinetHeight, width ? 216 : 500);
    QVERIFY(!panel.shown("spinBox_timedelayw"));
}

void TestSpecialPanel::fitBeforeAnyFileDoesNothing()
{
    Panel panel;
    panel.click("pushButton_rectcircle_2");
    panel.click("checkBox_scale");

    QVERIFY(panel.ui->checkBox_scale->isChecked());
    QVERIFY(!panel.ui->checkBox_noscale->isChecked());
    QVERIFY(!panel.pattern->pictureFit);
    QVERIFY(panel.pattern->picturePath.isEmpty());
}

void TestSpecialPanel::chooserOffersFilters()
{
    Panel panel;
    panel.click("pushButton_rectcircle_2");
    QStringList filters;
    QString selectedFilter;
    QString caption;
    ModalAnswerer answerer([&](QFileDialog *chooser) {
        filters = chooser->nameFilters();
        selectedFilter = chooser->selectedNameFilter();
        caption = chooser->windowTitle();
        chooser->reject();
    });
    panel.click("pushButton_filepath");

    QCOMPARE(answerer.choosers, 1);
    QCOMPARE(caption, QStringLiteral("OpenImage"));
    QCOMPARE(filters.value(0), QStringLiteral("Image Files(*.png *.jpg *.bmp)"));
    QCOMPARE(selectedFilter, filters.value(0));
    QCOMPARE(filters.size(), 2);
    const QString others = filters.value(1);
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        if (format != "png" && format != "jpg" && format != "bmp")
            QVERIFY2(others.contains(QStringLiteral("*.") + QString::fromLatin1(format)), format.constData());
    }
    QVERIFY(!others.contains("*.png"));
    QVERIFY(panel.ui->label_filepath->text().isEmpty());
    QVERIFY(panel.pattern->picturePath.isEmpty());
}

void TestSpecialPanel::pictureWithSpacesAndChineseIsShown()
{
    QVERIFY(QDir(files.path()).mkpath(QStringLiteral("照片 目录")));
    const QString path = files.filePath(QStringLiteral("照片 目录/测试 图片.png"));
    QVERIFY(writeFile(path, encoded(testImage(), "PNG")));

    Panel panel;
    panel.click("pushButton_rectcircle_2");
    ModalAnswerer answerer(chooseFile(path));
    panel.click("pushButton_filepath");

    QCOMPARE(answerer.choosers, 1);
    QCOMPARE(answerer.warnings, QStringList());
    QCOMPARE(panel.ui->label_filepath->text(), path);
    QCOMPARE(panel.pattern->picturePath, path);
    QCOMPARE(panel.pattern->pictureError(), QString());
    QCOMPARE(panel.pattern->picture.convertToFormat(QImage::Format_RGB32), testImage());
    QVERIFY(!panel.pattern->pictureFit);
    const QImage shown = panel.windowImage();
    QCOMPARE(shown.pixelColor(10, 10), QColor(200, 40, 60));
    QCOMPARE(shown.pixelColor(100, 100), QColor(Qt::black));

    panel.click("checkBox_scale");
    QVERIFY(panel.pattern->pictureFit);
    QCOMPARE(panel.windowImage().pixelColor(400, 400), QColor(200, 40, 60));
    panel.click("checkBox_noscale");
    QVERIFY(!panel.pattern->pictureFit);
}

void TestSpecialPanel::cancelKeepsPicture()
{
    const QString path = files.filePath(QStringLiteral("kept.png"));
    QVERIFY(writeFile(path, encoded(testImage(), "PNG")));

    Panel panel;
    panel.click("pushButton_rectcircle_2");
    {
        ModalAnswerer answerer(chooseFile(path));
        panel.click("pushButton_filepath");
    }
    QString offered;
    ModalAnswerer answerer([&](QFileDialog *chooser) {
        offered = chooser->selectedFiles().value(0);
        chooser->reject();
    });
    panel.click("pushButton_filepath");

    QCOMPARE(answerer.choosers, 1);
    QCOMPARE(offered, path);
    QCOMPARE(panel.ui->label_filepath->text(), path);
    QCOMPARE(panel.pattern->picturePath, path);
    QVERIFY(!panel.pattern->picture.isNull());
    QCOMPARE(panel.windowImage().pixelColor(10, 10), QColor(200, 40, 60));

    // The fit box still works on the kept picture.
    panel.click("checkBox_scale");
    QVERIFY(panel.pattern->pictureFit);
    QCOMPARE(panel.pattern->picturePath, path);
}

void TestSpecialPanel::sameFileChosenAgainIsReread()
{
    const QString path = files.filePath(QStringLiteral("restored later.png"));
    QVERIFY(writeFile(path, encoded(testImage(), "PNG")));

    Panel panel;
    panel.click("pushButton_rectcircle_2");
    {
        ModalAnswerer answerer([&](QFileDialog *chooser) {
            chooser->selectFile(path);
            static_cast<QDialog *>(chooser)->accept();
            QFile::remove(path);
        });
        panel.click("pushButton_filepath");
        QCOMPARE(answerer.warnings.size(), 1);
    }
    QVERIFY(writeFile(path, encoded(testImage(), "PNG")));
    ModalAnswerer answerer(chooseFile(path));
    panel.click("pushButton_filepath");

    QCOMPARE(answerer.warnings, QStringList());
    QCOMPARE(panel.pattern->pictureError(), QString());
    QCOMPARE(panel.windowImage().pixelColor(10, 10), QColor(200, 40, 60));
}

void TestSpecialPanel::badPictureIsReported_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("vanishes");
    QTest::addColumn<QString>("why");

    const QByteArray png = encoded(testImage(), "PNG");
    const QByteArray jpeg = encoded(testImage(), "JPEG");
    QTest::newRow("file removed after it was chosen") << "gone.png" << png << true << "does not exist";
    QTest::newRow("zero-byte file") << "empty.png" << QByteArray() << false << "empty";
    QTest::newRow("text file named .png") << "notes.png" << QByteArray("shopping list\n") << false << "not a picture";
    QTest::newRow("truncated PNG") << "cut.png" << png.left(png.size() / 2) << false << "damaged or incomplete";
    QTest::newRow("truncated JPEG") << "cut.jpg" << jpeg.left(jpeg.size() / 2) << false << "incomplete";
    QTest::newRow("header claims 60000 × 60000") << "huge.png" << hugeHeaderPng() << false << "60000 × 60000";
}

void TestSpecialPanel::badPictureIsReported()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, vanishes);
    QFETCH(QString, why);

    const QString good = files.filePath(QStringLiteral("good.png"));
    QVERIFY(writeFile(good, encoded(testImage(), "PNG")));
    const QString bad = files.filePath(fileName);
    QVERIFY(writeFile(bad, content));

    Panel panel;
    panel.click("pushButton_rectcircle_2");
    {
        ModalAnswerer answerer(chooseFile(good));
        panel.click("pushButton_filepath");
    }
    QVERIFY(!panel.pattern->picture.isNull());

    ModalAnswerer answerer([&](QFileDialog *chooser) {
        chooser->selectFile(bad);
        static_cast<QDialog *>(chooser)->accept();
        if (vanishes)
            QFile::remove(bad);
    });
    QElapsedTimer clock;
    clock.start();
    panel.click("pushButton_filepath");

    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(answerer.warnings.size(), 1);
    const QString message = answerer.warnings.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(bad)), qPrintable(message));
    QVERIFY2(message.contains(why), qPrintable(message));
    QCOMPARE(panel.ui->label_filepath->text(), bad);
    QCOMPARE(panel.ui->label_filepath->toolTip(), message);
    QVERIFY(panel.pattern->picture.isNull());
    const QImage shown = panel.windowImage();
    QCOMPARE(shown.pixelColor(10, 10), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(250, 250), QColor(Qt::black));
}

QTEST_MAIN(TestSpecialPanel)
#include "tst_special_panel.moc"
