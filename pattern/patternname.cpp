#include "patternname.h"

#include "namedpattern.h"
#include "patternstate.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

enum class Kind { Flag, Number, Choice, Colour, ColourList, Size, CellSize, SizeOrNone, Rest };

struct Range
{
    int low = 0;
    int high = 0;
};

// One key of a family: how its value is written, its default as canonical
// text, and what is allowed. `shownDefault` replaces the default in the help
// where the canonical text would mean nothing to the reader.
struct KeyRule
{
    QString key;
    Kind kind = Kind::Flag;
    QString fallback;
    Range range;        // numbers; the width of sizes
    Range heights;      // the height of sizes
    QStringList choices;
    QString alias;      // a second name of the same key
    QString shownDefault;
};

struct FamilyRule
{
    QString family;
    QString meaning;
    QVector<KeyRule> keys;
};

const QString white = QStringLiteral("#ffffff");

KeyRule flag(const QString &key)
{
    KeyRule rule;
    rule.key = key;
    rule.fallback = QStringLiteral("0");
    return rule;
}

KeyRule number(const QString &key, int fallback, int low, int high, const QString &shownDefault = QString())
{
    KeyRule rule;
    rule.key = key;
    rule.kind = Kind::Number;
    rule.fallback = QString::number(fallback);
    rule.range = { low, high };
    rule.shownDefault = shownDefault;
    return rule;
}

KeyRule choice(const QString &key, const QStringList &choices)
{
    KeyRule rule;
    rule.key = key;
    rule.kind = Kind::Choice;
    rule.fallback = choices.first();
    rule.choices = choices;
    return rule;
}

KeyRule colour(const QString &key, const QString &fallback, const QString &alias = QString())
{
    KeyRule rule;
    rule.key = key;
    rule.kind = Kind::Colour;
    rule.fallback = fallback;
    rule.alias = alias;
    return rule;
}

KeyRule size(const QString &key, Kind kind, const QString &fallback, Range widths, Range heights)
{
    KeyRule rule;
    rule.key = key;
    rule.kind = kind;
    rule.fallback = fallback;
    rule.range = widths;
    rule.heights = heights;
    return rule;
}

KeyRule special(const QString &key, Kind kind, const QString &shownDefault)
{
    KeyRule rule;
    rule.key = key;
    rule.kind = kind;
    rule.shownDefault = shownDefault;
    return rule;
}

// The patterns a technician reaches for on site: dead pixels, moiré and
// scaling, mapping, frames apart across computers, which output is which.
QVector<FamilyRule> technicianFamilies(const KeyRule &source)
{
    const KeyRule color = colour(QStringLiteral("color"), white);
    const Range widths{ 1, 3840 };
    const Range heights{ 1, 2160 };
    return {
        { QStringLiteral("checker"), QStringLiteral("checkerboard; a cell of one cabinet's size gives one cabinet per square"),
          { size(QStringLiteral("cell"), Kind::Size, QStringLiteral("1x1"), widths, heights),
            colour(QStringLiteral("a"), white), colour(QStringLiteral("b"), QStringLiteral("#000000")) } },
        { QStringLiteral("zoneplate"), QStringLiteral("circular zone plate centred on the canvas; k=100 reaches two pixels a cycle at the corners"),
          { number(QStringLiteral("k"), 100, 1, 100) } },
        { QStringLiteral("pixelwalk"), QStringLiteral("one lit pixel per cabinet, stepping row by row through the cabinet"),
          { size(QStringLiteral("cabinet"), Kind::Size, QStringLiteral("384x216"), widths, heights), color,
            number(QStringLiteral("rate"), 10, 1, 1000), source, flag(QStringLiteral("subpixel")) } },
        { QStringLiteral("ticker"), QStringLiteral("frame ticker, a row of 60 blocks per cabinet with block frame mod 60 lit"),
          { size(QStringLiteral("cabinet"), Kind::SizeOrNone, QStringLiteral("384x216"), { 60, 3840 }, { 8, 2160 }), color,
            number(QStringLiteral("fps"), 0, 1, 240, QStringLiteral("screen")), source } },
        { QStringLiteral("ident"), QStringLiteral("which output is this, with host, placement, canvas, remote address and wall group"), {} },
    };
}

// The families, their keys in printing order and every default: the values
// the control panel starts with. Every family also takes the base colour and
// the dimmer, which show under and around the pattern; `path` stays last
// because its value runs to the end of the name.
QVector<FamilyRule> buildFamilies()
{
    const QStringList sources{ QStringLiteral("reset"), QStringLiteral("system") };
    const KeyRule cabinet = size(QStringLiteral("cabinet"), Kind::Size, QStringLiteral("384x216"), { 50, 3840 }, { 50, 2160 });
    const KeyRule reverse = flag(QStringLiteral("reverse"));
    const KeyRule rotate = flag(QStringLiteral("rotate"));
    const KeyRule dark = colour(QStringLiteral("dark"), QStringLiteral("#000000"));
    const KeyRule light = colour(QStringLiteral("light"), white);
    const KeyRule speed = number(QStringLiteral("speed"), 20, 0, 99);
    const KeyRule source = choice(QStringLiteral("source"), sources);

    QVector<FamilyRule> families{
        { QStringLiteral("solid"), QStringLiteral("one colour over the whole window"),
          { colour(QStringLiteral("color"), QStringLiteral("#000000"), QStringLiteral("base")),
            number(QStringLiteral("sweep"), 0, 1, 99, QStringLiteral("off")), source } },
        { QStringLiteral("bars"), QStringLiteral("colour bars: the common preset, or a table of cols x rows colours"),
          { flag(QStringLiteral("preset")), number(QStringLiteral("cols"), 1, 1, 100), number(QStringLiteral("rows"), 1, 1, 100),
            special(QStringLiteral("colors"), Kind::ColourList, QStringLiteral("white")),
            size(QStringLiteral("cell"), Kind::CellSize, QStringLiteral("auto"), { 20, 1080 }, { 20, 1920 }),
            flag(QStringLiteral("tile")) } },
        { QStringLiteral("ramp"), QStringLiteral("gray ramps repeated every period pixels"),
          { choice(QStringLiteral("period"), { QStringLiteral("32"), QStringLiteral("16"), QStringLiteral("64"),
                                               QStringLiteral("128"), QStringLiteral("256") }),
            reverse, rotate, dark, light } },
        { QStringLiteral("graybars"), QStringLiteral("custom gray bars; width 1 from 0 is one ramp over the whole width"),
          { number(QStringLiteral("width"), 1, 1, 1920), number(QStringLiteral("start"), 0, 0, 255),
            number(QStringLiteral("step"), 1, 1, 255), reverse, rotate, dark, light } },
        { QStringLiteral("ball"), QStringLiteral("radial gradient"), { reverse, dark, light } },
        { QStringLiteral("chart"), QStringLiteral("colour + gradient chart"),
          { choice(QStringLiteral("direction"), { QStringLiteral("up"), QStringLiteral("down"), QStringLiteral("left"),
                                                  QStringLiteral("right") }) } },
        { QStringLiteral("scan"), QStringLiteral("moving scan lines; several line sets at once overlay"),
          { flag(QStringLiteral("h")), flag(QStringLiteral("v")), flag(QStringLiteral("lr")), flag(QStringLiteral("rl")),
            number(QStringLiteral("width"), 1, 1, 1920), number(QStringLiteral("gap"), 20, 1, 1920),
            colour(QStringLiteral("bg"), QStringLiteral("#000000")), colour(QStringLiteral("line"), white),
            speed, reverse, source } },
        { QStringLiteral("chars"), QStringLiteral("character test in one of the eight fonts"),
          { number(QStringLiteral("font"), 0, 0, 7) } },
        { QStringLiteral("square"), QStringLiteral("moving square"), { number(QStringLiteral("size"), 20, 1, 99), speed, source } },
        { QStringLiteral("grayblocks"), QStringLiteral("all 256 gray levels"), { flag(QStringLiteral("labels")) } },
        { QStringLiteral("contrast"), QStringLiteral("contrast chart"),
          { choice(QStringLiteral("level"), { QStringLiteral("bright"), QStringLiteral("dark") }), flag(QStringLiteral("labels")) } },
        { QStringLiteral("clock"), QStringLiteral("frame-delay clock over the whole window"),
          { source } },
        { QStringLiteral("cabinet-clock"), QStringLiteral("one frame-delay clock per cabinet"),
          { cabinet, source } },
        { QStringLiteral("grid"), QStringLiteral("grid and circles"), {} },
        { QStringLiteral("picture"), QStringLiteral("a picture from a file"),
          { flag(QStringLiteral("fit")), special(QStringLiteral("path"), Kind::Rest, QStringLiteral("none")) } },
        { QStringLiteral("cabinets"), QStringLiteral("map of the wall's cabinets, numbered column-row"), { cabinet } },
    };
    families << technicianFamilies(source);

    const KeyRule base = colour(QStringLiteral("base"), QStringLiteral("#000000"));
    const KeyRule gray = number(QStringLiteral("gray"), 255, 0, 255);
    for (FamilyRule &family : families) {
        auto restKey = std::find_if(family.keys.begin(), family.keys.end(),
                                    [](const KeyRule &rule) { return rule.kind == Kind::Rest; });
        const int at = int(restKey - family.keys.begin());
        const bool hasBase = std::any_of(family.keys.begin(), family.keys.end(),
                                         [](const KeyRule &rule) { return rule.alias == QLatin1String("base"); });
        family.keys.insert(at, gray);
        if (!hasBase)
            family.keys.insert(at, base);
    }
    return families;
}

const QVector<FamilyRule> &families()
{
    static const QVector<FamilyRule> table = buildFamilies();
    return table;
}

const FamilyRule *findFamily(const QString &family)
{
    for (const FamilyRule &rule : families()) {
        if (rule.family == family)
            return &rule;
    }
    return nullptr;
}

const KeyRule *findKey(const FamilyRule &family, const QString &key)
{
    for (const KeyRule &rule : family.keys) {
        if (rule.key == key || (!rule.alias.isEmpty() && rule.alias == key))
            return &rule;
    }
    return nullptr;
}

QStringList familyNames()
{
    QStringList names;
    for (const FamilyRule &rule : families())
        names << rule.family;
    return names;
}

QStringList keyNames(const FamilyRule &family)
{
    QStringList names;
    for (const KeyRule &rule : family.keys)
        names << rule.key;
    return names;
}

struct NamedColour
{
    const char *name;
    Qt::GlobalColor colour;
};

const NamedColour namedColours[] = {
    { "black", Qt::black }, { "white", Qt::white }, { "red", Qt::red }, { "green", Qt::green },
    { "blue", Qt::blue }, { "cyan", Qt::cyan }, { "magenta", Qt::magenta }, { "yellow", Qt::yellow },
};

const QVector<QColor> presetColours{ Qt::red, Qt::green, Qt::blue, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow };

QString colourText(const QColor &color)
{
    return color.isValid() ? color.name() : QStringLiteral("#000000");
}

QString colourListText(const QVector<QColor> &colors)
{
    QStringList texts;
    for (const QColor &color : colors)
        texts << colourText(color);
    return texts.join(QLatin1Char(';'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool readColour(const QString &raw, QString *canonical)
{
    const QString text = raw.trimmed().toLower();
    for (const NamedColour &named : namedColours) {
        if (text == QLatin1String(named.name)) {
            *canonical = QColor(named.colour).name();
            return true;
        }
    }
    if (text.size() != 7 || text.at(0) != QLatin1Char('#'))
        return false;
    for (int i = 1; i < 7; ++i) {
        if (!isAsciiDigit(text.at(i)) && (text.at(i) < QLatin1Char('a') || text.at(i) > QLatin1Char('f')))
            return false;
    }
    *canonical = text;
    return true;
}

bool readNumber(const QString &raw, Range range, int *value)
{
    const QString text = raw.trimmed();
    if (text.isEmpty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), isAsciiDigit))
        return false;
    *value = text.toInt();
    return *value >= range.low && *value <= range.high;
}

bool readSize(const KeyRule &rule, const QString &raw, QString *canonical)
{
    const QStringList parts = raw.trimmed().toLower().split(QLatin1Char('x'));
    int width = 0;
    int height = 0;
    if (parts.size() != 2 || !readNumber(parts.at(0), rule.range, &width) || !readNumber(parts.at(1), rule.heights, &height))
        return false;
    *canonical = QStringLiteral("%1x%2").arg(width).arg(height);
    return true;
}

// The value's canonical text, or false when the value is not allowed.
bool readValue(const KeyRule &rule, const QString &raw, QString *canonical)
{
    switch (rule.kind) {
    case Kind::Flag:
        return false;
    case Kind::Number: {
        int value = 0;
        if (!readNumber(raw, rule.range, &value))
            return false;
        *canonical = QString::number(value);
        return true;
    }
    case Kind::Choice: {
        const QString text = raw.trimmed().toLower();
        *canonical = text;
        return rule.choices.contains(text);
    }
    case Kind::Colour:
        return readColour(raw, canonical);
    case Kind::ColourList: {
        QStringList texts;
        for (const QString &part : raw.split(QLatin1Char(';'))) {
            QString text;
            if (!readColour(part, &text))
                return false;
            texts << text;
        }
        *canonical = texts.join(QLatin1Char(';'));
        return true;
    }
    case Kind::SizeOrNone:
        if (raw.trimmed().toLower() == QLatin1String("none")) {
            *canonical = QStringLiteral("none");
            return true;
        }
        return readSize(rule, raw, canonical);
    case Kind::CellSize:
        if (raw.trimmed().toLower() == QLatin1String("auto")) {
            *canonical = QStringLiteral("auto");
            return true;
        }
        return readSize(rule, raw, canonical);
    case Kind::Size:
        return readSize(rule, raw, canonical);
    case Kind::Rest:
        *canonical = raw;
        return true;
    }
    return false;
}

// What the key accepts, as the refusals and the help say it.
QString allowedValues(const KeyRule &rule)
{
    const QString sizes = QCoreApplication::translate("PatternName", "WxH with W %1..%2 and H %3..%4")
                              .arg(rule.range.low).arg(rule.range.high).arg(rule.heights.low).arg(rule.heights.high);
    switch (rule.kind) {
    case Kind::Flag:
        return QCoreApplication::translate("PatternName", "no value, it is a flag");
    case Kind::Number:
        return QStringLiteral("%1..%2").arg(rule.range.low).arg(rule.range.high);
    case Kind::Choice: {
        QStringList sorted = rule.choices;
        if (sorted.first().at(0).isDigit())
            std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
        return sorted.join(QLatin1String(", "));
    }
    case Kind::Colour:
        return QCoreApplication::translate("PatternName", "#rrggbb or black, white, red, green, blue, cyan, magenta, yellow");
    case Kind::ColourList:
        return QCoreApplication::translate("PatternName", "#rrggbb;#rrggbb;... with cols x rows colours, row by row");
    case Kind::CellSize:
        return QCoreApplication::translate("PatternName", "auto or %1").arg(sizes);
    case Kind::Size:
        return sizes;
    case Kind::SizeOrNone:
        return QCoreApplication::translate("PatternName", "none or %1").arg(sizes);
    case Kind::Rest:
        return QCoreApplication::translate("PatternName", "a file name, to the end of the name");
    }
    return QString();
}

bool atDefault(const KeyRule &rule, const QString &value)
{
    if (rule.kind == Kind::ColourList)
        return value.split(QLatin1Char(';')).count(white) == value.count(QLatin1Char(';')) + 1;
    return value == rule.fallback;
}

PatternName defaultName(const FamilyRule &family)
{
    PatternName name;
    name.family = family.family;
    for (const KeyRule &rule : family.keys)
        name.values.insert(rule.key, rule.fallback);
    return name;
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// The table's colours default to white, as the panel fills new cells, and
// the preset's table is always written as the preset.
void settleBarsTable(PatternName &name)
{
    const int count = name.number(QStringLiteral("cols")) * name.number(QStringLiteral("rows"));
    if (name.values.value(QStringLiteral("colors")).isEmpty()) {
        QStringList whites;
        for (int i = 0; i < count; ++i)
            whites << white;
        name.values[QStringLiteral("colors")] = whites.join(QLatin1Char(';'));
    }
    const bool preset = name.number(QStringLiteral("cols")) == 7 && name.number(QStringLiteral("rows")) == 1
        && name.values.value(QStringLiteral("colors")) == colourListText(presetColours);
    name.values[QStringLiteral("preset")] = preset ? QStringLiteral("1") : QStringLiteral("0");
}

bool checkBars(PatternName &name, const QSet<QString> &given, QString *error)
{
    if (given.contains(QStringLiteral("preset"))) {
        for (const QString &key : { QStringLiteral("cols"), QStringLiteral("rows"), QStringLiteral("colors") }) {
            if (given.contains(key))
                return fail(error, QCoreApplication::translate("PatternName", "bars: preset cannot take %1 (preset is the 7 x 1 table red, green, blue, white, cyan, magenta, yellow; allowed with it: cell, tile, base, gray)").arg(key));
        }
        name.values[QStringLiteral("cols")] = QStringLiteral("7");
        name.values[QStringLiteral("rows")] = QStringLiteral("1");
        name.values[QStringLiteral("colors")] = colourListText(presetColours);
    }
    const int count = name.number(QStringLiteral("cols")) * name.number(QStringLiteral("rows"));
    if (given.contains(QStringLiteral("colors")) && name.colors(QStringLiteral("colors")).size() != count)
        return fail(error, QCoreApplication::translate("PatternName", "bars: colors holds %1 colours (allowed: exactly cols x rows = %2)")
                               .arg(name.colors(QStringLiteral("colors")).size()).arg(count));
    if (name.flag(QStringLiteral("tile")) && name.size(QStringLiteral("cell")).isEmpty())
        return fail(error, QCoreApplication::translate("PatternName", "bars: tile needs a cell size (allowed: tile with cell=WxH; cell=auto always fills the window)"));
    settleBarsTable(name);
    return true;
}

bool readKeys(const FamilyRule &family, const QString &keys, PatternName &name, QSet<QString> &given, QString *error)
{
    int position = 0;
    while (true) {
        int comma = keys.indexOf(QLatin1Char(','), position);
        QString item = keys.mid(position, comma < 0 ? -1 : comma - position);
        const int equals = item.indexOf(QLatin1Char('='));
        const QString key = (equals < 0 ? item : item.left(equals)).trimmed().toLower();
        const QString allowedKeys = QCoreApplication::translate("PatternName", "allowed: %1").arg(keyNames(family).join(QLatin1String(", ")));
        if (key.isEmpty())
            return fail(error, QCoreApplication::translate("PatternName", "%1: empty key in \"%2\" (%3)").arg(family.family, keys, allowedKeys));
        const KeyRule *rule = findKey(family, key);
        if (!rule)
            return fail(error, QCoreApplication::translate("PatternName", "%1: unknown key \"%2\" (%3)").arg(family.family, key, family.keys.isEmpty() ? QCoreApplication::translate("PatternName", "no keys") : allowedKeys));
        if (rule->kind == Kind::Rest && equals >= 0) {
            item = keys.mid(position);
            comma = -1;
        }
        if (given.contains(rule->key))
            return fail(error, QCoreApplication::translate("PatternName", "%1: key \"%2\" is given twice%3").arg(family.family, key,
                        rule->alias.isEmpty() ? QString() : QCoreApplication::translate("PatternName", " (%1 and %2 are the same key)").arg(rule->key, rule->alias)));
        given.insert(rule->key);

        if (rule->kind == Kind::Flag) {
            if (equals >= 0)
                return fail(error, QCoreApplication::translate("PatternName", "%1: \"%2\" is a flag and takes no value (allowed: %3 alone)").arg(family.family, item.trimmed(), key));
            name.values[rule->key] = QStringLiteral("1");
        } else {
            if (equals < 0)
                return fail(error, QCoreApplication::translate("PatternName", "%1: %2 needs a value (allowed: %3)").arg(family.family, key, allowedValues(*rule)));
            QString value;
            if (!readValue(*rule, item.mid(equals + 1), &value))
                return fail(error, QCoreApplication::translate("PatternName", "%1: %2 is not allowed (allowed: %3)").arg(family.family, item.trimmed(), allowedValues(*rule)));
            name.values[rule->key] = value;
        }
        if (comma < 0)
            return true;
        position = comma + 1;
    }
}

QString keyHelp(const KeyRule &rule)
{
    if (rule.kind == Kind::Flag)
        return rule.key;
    QString shown;
    QString note;
    switch (rule.kind) {
    case Kind::Colour:
        shown = rule.alias.isEmpty() ? QStringLiteral("#rrggbb") : QStringLiteral("#rrggbb|black|white|red|green|blue|cyan|magenta|yellow");
        if (!rule.alias.isEmpty())
            note = QStringLiteral("; also named %1").arg(rule.alias);
        break;
    case Kind::ColourList:
        shown = QStringLiteral("#rrggbb;#rrggbb;...");
        note = QStringLiteral("; cols x rows colours, row by row");
        break;
    case Kind::Size:
    case Kind::CellSize:
    case Kind::SizeOrNone:
        shown = rule.kind == Kind::CellSize ? QStringLiteral("auto|WxH")
              : rule.kind == Kind::SizeOrNone ? QStringLiteral("none|WxH") : QStringLiteral("WxH");
        note = QStringLiteral("; W %1..%2, H %3..%4").arg(rule.range.low).arg(rule.range.high).arg(rule.heights.low).arg(rule.heights.high);
        break;
    case Kind::Rest:
        shown = QStringLiteral("<file>");
        note = QStringLiteral("; last, runs to the end of the name");
        break;
    default:
        shown = allowedValues(rule).replace(QLatin1String(", "), QLatin1String("|"));
        break;
    }
    const QString fallback = rule.shownDefault.isEmpty() ? rule.fallback : rule.shownDefault;
    return QStringLiteral("%1=%2 (%3%4)").arg(rule.key, shown, fallback, note);
}

// Which family shows what the state shows; a sub-pattern that draws nothing
// but the base fill is the solid colour.
QString familyOf(const PatternState &state)
{
    switch (state.mode) {
    case ColorBars:
        return QStringLiteral("bars");
    case GrayBars:
        if (state.colorRampChart)
            return QStringLiteral("chart");
        if (state.rampLength == BallRamp)
            return QStringLiteral("ball");
        return state.rampLength > 0 ? QStringLiteral("ramp") : QStringLiteral("graybars");
    case ScanLines:
        if (state.movingSquare)
            return QStringLiteral("square");
        return state.fontTest ? QStringLiteral("chars") : QStringLiteral("scan");
    case GrayBlocks:
        if (state.grayBlockType == AllGrayLevels)
            return QStringLiteral("grayblocks");
        return state.grayBlockType == BrightContrast || state.grayBlockType == DarkContrast ? QStringLiteral("contrast")
                                                                                             : QStringLiteral("solid");
    case Special: {
        return specialFamilies().value(state.specialType, QStringLiteral("solid"));
    }
    case Checker:
        return QStringLiteral("checker");
    case ZonePlate:
        return QStringLiteral("zoneplate");
    case PixelWalk:
        return QStringLiteral("pixelwalk");
    case Ticker:
        return QStringLiteral("ticker");
    case Ident:
        return QStringLiteral("ident");
    default:
        return QStringLiteral("solid");
    }
}

// Setting values from a state: numbers are held inside the key's range.
void setNumber(PatternName &name, const QString &key, int value)
{
    const KeyRule *rule = findKey(*findFamily(name.family), key);
    name.values[key] = QString::number(qBound(rule->range.low, value, rule->range.high));
}

void setFlag(PatternName &name, const QString &key, bool on)
{
    name.values[key] = on ? QStringLiteral("1") : QStringLiteral("0");
}

void setSize(PatternName &name, const QString &key, int width, int height)
{
    const KeyRule *rule = findKey(*findFamily(name.family), key);
    name.values[key] = QStringLiteral("%1x%2").arg(qBound(rule->range.low, width, rule->range.high))
                           .arg(qBound(rule->heights.low, height, rule->heights.high));
}

void setRampColours(PatternName &name, const PatternState &state)
{
    name.values[QStringLiteral("dark")] = colourText(state.rampDarkColor);
    name.values[QStringLiteral("light")] = colourText(state.rampLightColor);
    setFlag(name, QStringLiteral("reverse"), state.rampReverse);
}

void setBarsTable(PatternName &name, const PatternState &state)
{
    setNumber(name, QStringLiteral("cols"), state.colorColumns);
    setNumber(name, QStringLiteral("rows"), state.colorRows);
    const int count = name.number(QStringLiteral("cols")) * name.number(QStringLiteral("rows"));
    QVector<QColor> colors = state.colorList.mid(0, count);
    colors.resize(count);
    for (int i = state.colorList.size(); i < count; ++i)
        colors[i] = Qt::white;
    name.values[QStringLiteral("colors")] = colourListText(colors);
    if (!state.autoCellSize) {
        setSize(name, QStringLiteral("cell"), state.cellWidth, state.cellHeight);
        setFlag(name, QStringLiteral("tile"), state.tileColorBars);
    }
    settleBarsTable(name);
}

void setTechnicianKeys(PatternName &name, const PatternState &state)
{
    const QString &family = name.family;
    if (family == QLatin1String("checker")) {
        setSize(name, QStringLiteral("cell"), state.checkerWidth, state.checkerHeight);
        name.values[QStringLiteral("a")] = colourText(state.checkerColorA);
        name.values[QStringLiteral("b")] = colourText(state.checkerColorB);
    } else if (family == QLatin1String("zoneplate")) {
        setNumber(name, QStringLiteral("k"), state.zonePlateK);
    } else if (family == QLatin1String("pixelwalk") || family == QLatin1String("ticker")) {
        name.values[QStringLiteral("color")] = colourText(state.markColor);
        const bool wholeCanvas = family == QLatin1String("ticker") && state.cabinetWidth <= 0;
        if (wholeCanvas)
            name.values[QStringLiteral("cabinet")] = QStringLiteral("none");
        else
            setSize(name, QStringLiteral("cabinet"), state.cabinetWidth, state.cabinetHeight);
    }
    if (family == QLatin1String("pixelwalk")) {
        setNumber(name, QStringLiteral("rate"), state.walkRate);
        setFlag(name, QStringLiteral("subpixel"), state.walkSubpixel);
    } else if (family == QLatin1String("ticker")) {
        const bool given = state.tickerFps >= 1 && state.tickerFps <= 240;
        name.values[QStringLiteral("fps")] = QString::number(given ? state.tickerFps : 0);
    }
}

void setFamilyKeys(PatternName &name, const PatternState &state)
{
    const QString &family = name.family;
    if (family == QLatin1String("bars")) {
        setBarsTable(name, state);
    } else if (family == QLatin1String("ramp")) {
        if (findKey(*findFamily(family), QStringLiteral("period"))->choices.contains(QString::number(state.rampLength)))
            name.values[QStringLiteral("period")] = QString::number(state.rampLength);
        setFlag(name, QStringLiteral("rotate"), state.rampRotate);
        setRampColours(name, state);
    } else if (family == QLatin1String("graybars")) {
        setNumber(name, QStringLiteral("width"), state.grayBarWidth);
        setNumber(name, QStringLiteral("start"), state.grayBarStart);
        setNumber(name, QStringLiteral("step"), state.grayBarSpacing);
        setFlag(name, QStringLiteral("rotate"), state.rampRotate);
        setRampColours(name, state);
    } else if (family == QLatin1String("ball")) {
        setRampColours(name, state);
    } else if (family == QLatin1String("chart")) {
        name.values[QStringLiteral("direction")] = findKey(*findFamily(family), QStringLiteral("direction"))->choices.value(state.colorRampDirection, QStringLiteral("up"));
    } else if (family == QLatin1String("scan")) {
        setFlag(name, QStringLiteral("h"), state.scanHorizontal);
        setFlag(name, QStringLiteral("v"), state.scanVertical);
        setFlag(name, QStringLiteral("lr"), state.scanDiagonalLR);
        setFlag(name, QStringLiteral("rl"), state.scanDiagonalRL);
        setNumber(name, QStringLiteral("width"), state.scanLineWidth);
        setNumber(name, QStringLiteral("gap"), state.scanPitch - state.scanLineWidth);
        name.values[QStringLiteral("bg")] = colourText(state.scanBackground);
        name.values[QStringLiteral("line")] = colourText(state.scanLineColor);
        setFlag(name, QStringLiteral("reverse"), state.scanDirection < 0);
    } else if (family == QLatin1String("chars")) {
        setNumber(name, QStringLiteral("font"), state.fontIndex);
    } else if (family == QLatin1String("square")) {
        setNumber(name, QStringLiteral("size"), state.squareWidth);
    } else if (family == QLatin1String("grayblocks") || family == QLatin1String("contrast")) {
        setFlag(name, QStringLiteral("labels"), !state.hideBlockText);
        if (family == QLatin1String("contrast"))
            name.values[QStringLiteral("level")] = state.grayBlockType == DarkContrast ? QStringLiteral("dark") : QStringLiteral("bright");
    } else if (family == QLatin1String("picture")) {
        setFlag(name, QStringLiteral("fit"), state.pictureFit);
        name.values[QStringLiteral("path")] = state.picturePath;
    }
    setTechnicianKeys(name, state);
    if (name.values.contains(QStringLiteral("source")))
        name.values[QStringLiteral("source")] = state.clockSource == ClockSystemUtc ? QStringLiteral("system") : QStringLiteral("reset");
    if (family == QLatin1String("cabinet-clock") || family == QLatin1String("cabinets"))
        setSize(name, QStringLiteral("cabinet"), state.cabinetWidth, state.cabinetHeight);
}

} // namespace

const QStringList &specialFamilies()
{
    static const QStringList names{ QStringLiteral("clock"), QStringLiteral("cabinet-clock"), QStringLiteral("grid"),
                                    QStringLiteral("picture"), QStringLiteral("cabinets") };
    return names;
}

bool PatternName::flag(const QString &key) const
{
    return values.value(key) == QLatin1String("1");
}

int PatternName::number(const QString &key) const
{
    return values.value(key).toInt();
}

int PatternName::choiceIndex(const QString &key) const
{
    const FamilyRule *rule = findFamily(family);
    const KeyRule *keyRule = rule ? findKey(*rule, key) : nullptr;
    return keyRule ? std::max(0, int(keyRule->choices.indexOf(values.value(key)))) : 0;
}

QColor PatternName::color(const QString &key) const
{
    return QColor(values.value(key));
}

QSize PatternName::size(const QString &key) const
{
    const QStringList parts = values.value(key).split(QLatin1Char('x'));
    if (parts.size() != 2)
        return QSize();
    return QSize(parts.at(0).toInt(), parts.at(1).toInt());
}

QVector<QColor> PatternName::colors(const QString &key) const
{
    QVector<QColor> list;
    for (const QString &text : values.value(key).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        list.append(QColor(text));
    return list;
}

QString PatternName::text(const QString &key) const
{
    return values.value(key);
}

bool parsePatternName(const QString &text, PatternName *out, QString *error)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    const QString familyText = (colon < 0 ? text : text.left(colon)).trimmed().toLower();
    const QString allowedFamilies = QCoreApplication::translate("PatternName", "allowed: %1").arg(familyNames().join(QLatin1String(", ")));
    if (familyText.isEmpty())
        return fail(error, QCoreApplication::translate("PatternName", "empty pattern name (%1)").arg(allowedFamilies));
    const FamilyRule *family = findFamily(familyText);
    if (!family)
        return fail(error, QCoreApplication::translate("PatternName", "unknown pattern family \"%1\" (%2)").arg(familyText, allowedFamilies));

    PatternName name = defaultName(*family);
    QSet<QString> given;
    const QString keys = colon < 0 ? QString() : text.mid(colon + 1);
    if (!keys.isEmpty() && !readKeys(*family, keys, name, given, error))
        return false;
    if (family->family == QLatin1String("bars") && !checkBars(name, given, error))
        return false;
    // Sweep speeds that give the same interval are one pattern, named as the
    // window names it.
    const int sweep = name.number(QStringLiteral("sweep"));
    if (family->family == QLatin1String("solid") && sweep > 0)
        name.values[QStringLiteral("sweep")] = QString::number(sweepSpeedOf(sweepIntervalOf(sweep)));
    if (out)
        *out = name;
    return true;
}

QString printPatternName(const PatternName &name)
{
    const FamilyRule *family = findFamily(name.family);
    if (!family)
        return name.family;
    const bool preset = name.flag(QStringLiteral("preset"));
    QStringList parts;
    for (const KeyRule &rule : family->keys) {
        const QString value = name.values.value(rule.key, rule.fallback);
        const bool presetTable = preset && (rule.key == QLatin1String("cols") || rule.key == QLatin1String("rows")
                                            || rule.key == QLatin1String("colors"));
        if (atDefault(rule, value) || presetTable)
            continue;
        parts << (rule.kind == Kind::Flag ? rule.key : rule.key + QLatin1Char('=') + value);
    }
    if (parts.isEmpty())
        return family->family;
    return family->family + QLatin1Char(':') + parts.join(QLatin1Char(','));
}

PatternName patternNameOf(const PatternState &state)
{
    PatternName name = defaultName(*findFamily(familyOf(state)));
    const QString baseKey = name.family == QLatin1String("solid") ? QStringLiteral("color") : QStringLiteral("base");
    name.values[baseKey] = colourText(state.solidColor);
    setNumber(name, QStringLiteral("gray"), 255 - state.grayOffset);
    setFamilyKeys(name, state);
    return name;
}

QStringList patternFamilyHelp()
{
    QStringList lines;
    for (const FamilyRule &family : families()) {
        QStringList keys;
        for (const KeyRule &rule : family.keys)
            keys << keyHelp(rule);
        lines << QStringLiteral("%1: %2. Keys: %3").arg(family.family, family.meaning, keys.join(QLatin1String(", ")));
    }
    return lines;
}
