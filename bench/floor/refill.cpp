// The floor of the live benchmark: a plain frameless window that refills
// itself whole, as fast as the event loop lets it, alternating two grays.
// Nothing a test pattern does can redraw a whole window faster or cheaper.
// Usage: walltest_refill WIDTHxHEIGHT
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class RefillWindow : public QWidget
{
public:
    RefillWindow() { setWindowFlags(Qt::FramelessWindowHint); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), odd ? QColor(40, 40, 40) : QColor(60, 60, 60));
        odd = !odd;
        update();
    }

private:
    bool odd = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList size = QApplication::arguments().value(1, QStringLiteral("1920x1080")).split(QLatin1Char('x'));
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    if (width < 1 || height < 1) {
        qCritical("usage: walltest_refill WIDTHxHEIGHT");
        return 2;
    }
    RefillWindow window;
    window.setGeometry(0, 0, width, height);
    window.show();
    return app.exec();
}
