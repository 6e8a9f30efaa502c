// The contrast and special tabs: contrast charts, clocks, grid and circles,
// and the custom picture with its file chooser.
#include "paneltest.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

QColor pictureColor() { return QColor(200, 40, 60); }

QByteArray encoded(const char *format)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(pictureColor());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A 65-byte PNG: signature, a valid header chunk claiming 60000 × 60000 RGB
// pixels (0xea60), an empty data chunk and the end chunk.
QByteArray hugeHeaderPng()
{
    return QByteArray::fromHex("89504e470d0a1a0a" "0000000d494844520000ea600000ea6008020000000fb0e215"
                               "0000000849444154789c030000000001480689d2" "0000000049454e44ae426082");
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Opens the chooser of the custom-picture test and lets `answer` handle it.
void choosePicture(Panel &panel, const ModalAnswerer::Answer &answer, QStringList *warnings = nullptr)
{
    ModalAnswerer answerer(answer);
    panel.click("pushButton_filepath");
    QCOMPARE(answerer.answered, 1);
    // The picture decodes in the background; a problem is reported when it ends.
    QTRY_VERIFY(!panel.pattern->isPictureDecoding());
    QCoreApplication::processEvents();
    if (warnings)
        *warnings = answerer.warnings;
}

QColor shownAt(Panel &panel, int x, int y) { return panel.pattern->grab().toImage().pixelColor(x, y); }

// Clicks as the operator does, with the window moved to another pattern
// before each click so that a click that sends nothing shows.
void clickEach(Panel &panel, const QStringList &names)
{
    for (const QString &name : names) {
        editState(*panel.pattern).mode = Solid;
        editState(*panel.pattern).delayTime = QTime(0, 1);
        panel.click(name);
    }
}

} // namespace

class TestSpecialPanel : public QObject
{
    Q_OBJECT

private slots:
    void contrastTests_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("hide");
        QTest::newRow("隐藏文字 before any test passes -1") << QStringList{ "checkBox_hidefont" } << -1 << true;
        QTest::newRow("灰度块") << QStringList{ "pushButton" } << 0 << false;
        QTest::newRow("对比度(亮) with hidden text") << QStringList{ "checkBox_hidefont", "pushButton_2" } << 1 << true;
        QTest::newRow("隐藏文字 ticked and unticked on 对比度(暗)")
            << QStringList{ "pushButton_3", "checkBox_hidefont", "checkBox_hidefont" } << 2 << false;
        QTest::newRow("checked 对比度(亮) clicked again is sent again") << QStringList{ "pushButton_2", "pushButton_2" } << 1 << false;
    }

    void contrastTests()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, type);
        QFETCH(bool, hide);
        Panel panel(4);
        clickEach(panel, clicks);
        QCOMPARE(stateOf(*panel.pattern).mode, int(GrayBlocks));
        QCOMPARE(stateOf(*panel.pattern).grayBlockType, type);
        QCOMPARE(stateOf(*panel.pattern).hideBlockText, hide);
    }

    // The cabinet size shows with 箱体 alone, the picture controls with 自定义图片 alone.
    void specialTests_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("type");
        QTest::newRow("大屏") << QStringList{ "pushButton_fullscreenclock" } << 0;
        QTest::newRow("箱体") << QStringList{ "pushButton_singleclock" } << 1;
        QTest::newRow("自定义图片") << QStringList{ "pushButton_rectcircle_2" } << 3;
        QTest::newRow("箱体 then 黑底方格圆圈") << QStringList{ "pushButton_singleclock", "pushButton_rectcircle" } << 2;
        QTest::newRow("自定义图片 then 大屏") << QStringList{ "pushButton_rectcircle_2", "pushButton_fullscreenclock" } << 0;
        QTest::newRow("checked 大屏 clicked again restarts the clock")
            << QStringList{ "pushButton_fullscreenclock", "pushButton_fullscreenclock" } << 0;
        QTest::newRow("checked 箱体 clicked again restarts the clock")
            << QStringList{ "pushButton_singleclock", "pushButton_singleclock" } << 1;
    }

    void specialTests()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, type);
        Panel panel(5);
        clickEach(panel, clicks);
        QCOMPARE(stateOf(*panel.pattern).mode, int(Special));
        QCOMPARE(stateOf(*panel.pattern).specialType, type);
        QCOMPARE(stateOf(*panel.pattern).delayTime, QTime(0, 0));
        for (const char *name : { "label_44", "label_45", "spinBox_timedelayw", "spinBox_timedelayh" })
            QVERIFY2(panel.find<QWidget>(name)->isVisible() == (type == 1), name);
        for (const char *name : { "pushButton_filepath", "label_filepath", "checkBox_scale", "checkBox_noscale" })
            QVERIFY2(panel.find<QWidget>(name)->isVisible() == (type == 3), name);
    }

    // Each box re-sends the running clock, so each must restart it.
    void cabinetSizeResendsClock()
    {
        Panel panel(5);
        panel.click("pushButton_fullscreenclock");
        for (QSpinBox *box : { panel.ui->spinBox_timedelayw, panel.ui->spinBox_timedelayh }) {
            QTRY_VERIFY(stateOf(*panel.pattern).delayTime > QTime(0, 0));
            box->setValue(box == panel.ui->spinBox_timedelayw ? 500 : 300);
            QCOMPARE(stateOf(*panel.pattern).delayTime, QTime(0, 0));
        }
        QCOMPARE(stateOf(*panel.pattern).specialType, 0);
        QCOMPARE(QSize(stateOf(*panel.pattern).cabinetWidth, stateOf(*panel.pattern).cabinetHeight), QSize(500, 300));
    }

    void fitBeforeAnyFileDoesNothing()
    {
        Panel panel(5);
        panel.click("pushButton_rectcircle_2");
        panel.click("checkBox_scale");
        QVERIFY(panel.ui->checkBox_scale->isChecked());
        QVERIFY(!stateOf(*panel.pattern).pictureFit);
        QVERIFY(stateOf(*panel.pattern).picturePath.isEmpty());
    }

    void chosenPictureShownAndKeptOnCancel()
    {
        QVERIFY(QDir(files.path()).mkpath(QStringLiteral("照片 目录")));
        const QString path = files.filePath(QStringLiteral("照片 目录/测试 图片.png"));
        QVERIFY(writeFile(path, encoded("PNG")));
        Panel panel(5);
        panel.click("pushButton_rectcircle_2");
        QStringList warnings;
        choosePicture(panel, chooseFile(path), &warnings);
        QCOMPARE(warnings, QStringList());
        QCOMPARE(shownAt(panel, 10, 10), pictureColor());
        QCOMPARE(shownAt(panel, 100, 100), QColor(Qt::black));

        // Cancelled, the chooser keeps everything; it offers the last file, the
        // usual formats first and every other format the reader knows after them.
        QStringList filters;
        QString caption, offered;
        choosePicture(panel, [&](QDialog *modal) {
            auto *chooser = qobject_cast<QFileDialog *>(modal);
            filters = chooser->nameFilters();
            caption = chooser->windowTitle();
            offered = chooser->selectedFiles().value(0);
            chooser->reject();
        });
        QCOMPARE(caption, QStringLiteral("OpenImage"));
        QCOMPARE(offered, path);
        QCOMPARE(filters.size(), 2);
        QCOMPARE(filters.first(), QStringLiteral("Image Files(*.png *.jpg *.bmp)"));
        for (const QByteArray &format : QImageReader::supportedImageFormats()) {
            if (format != "png" && format != "jpg" && format != "bmp")
                QVERIFY2(filters.last().contains(QStringLiteral("*.") + QString::fromLatin1(format)), format.constData());
        }
        QCOMPARE(panel.ui->label_filepath->text(), path);
        QCOMPARE(stateOf(*panel.pattern).picturePath, path);

        panel.click("checkBox_scale"); // the fit box works on the kept picture
        QVERIFY(stateOf(*panel.pattern).pictureFit);
        QCOMPARE(shownAt(panel, 400, 400), pictureColor());
    }

    void badPictureIsReported_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("vanishes");
        QTest::addColumn<QString>("why");
        const QByteArray png = encoded("PNG");
        const QByteArray jpeg = encoded("JPEG");
        QTest::newRow("file removed after it was chosen") << "gone.png" << png << true << "does not exist";
        QTest::newRow("zero-byte file") << "empty.png" << QByteArray() << false << "empty";
        QTest::newRow("text file named .png") << "notes.png" << QByteArray("shopping list\n") << false << "not a picture";
        QTest::newRow("truncated PNG") << "cut.png" << png.left(png.size() / 2) << false << "damaged or incomplete";
        QTest::newRow("truncated JPEG") << "cut.jpg" << jpeg.left(jpeg.size() / 2) << false << "incomplete";
        QTest::newRow("header claims 60000 × 60000") << "huge.png" << hugeHeaderPng() << false << "60000 × 60000";
    }

    // The message names the file and the fault, nothing is drawn, and the
    // same file mended and chosen again is read afresh.
    void badPictureIsReported()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, vanishes);
        QFETCH(QString, why);
        const QString good = files.filePath(QStringLiteral("good.png"));
        const QString bad = files.filePath(fileName);
        QVERIFY(writeFile(good, encoded("PNG")));
        QVERIFY(writeFile(bad, content));
        Panel panel(5);
        panel.click("pushButton_rectcircle_2");
        choosePicture(panel, chooseFile(good));
        QCOMPARE(shownAt(panel, 10, 10), pictureColor());

        QStringList warnings;
        choosePicture(panel, [&](QDialog *modal) {
            chooseFile(bad)(modal);
            if (vanishes)
                QFile::remove(bad);
        }, &warnings);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QDir::toNativeSeparators(bad)) && warnings.first().contains(why),
                 qPrintable(warnings.first()));
        QCOMPARE(QStringLiteral("WARNING: ") + panel.ui->label_filepath->toolTip(), warnings.first());
        QCOMPARE(panel.ui->label_filepath->text(), bad);
        QCOMPARE(shownAt(panel, 10, 10), pictureColor());

        QVERIFY(writeFile(bad, encoded("PNG")));
        choosePicture(panel, chooseFile(bad), &warnings);
        QCOMPARE(warnings, QStringList());
        QCOMPARE(shownAt(panel, 10, 10), pictureColor());
    }

private:
    QTemporaryDir files;
};

QTEST_MAIN(TestSpecialPanel)
#include "tst_special_panel.moc"
