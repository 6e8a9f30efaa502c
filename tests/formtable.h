#ifndef FORMTABLE_H
#define FORMTABLE_H

#include <QByteArray>
#include <QMetaType>
#include <QRect>
#include <QString>
#include <QVector>

// What the control panel's form must build: every control of the two stacked
// pages and of the seven tab pages, as setupUi leaves it (before the panel's
// constructor hides anything).

enum ControlState {
    Plain = 0,
    Checkable = 1,
    Checked = 2,
    Disabled = 4,
    Boxed = 8,         // QFrame::Box around a label
    NoFrame = 16,      // combo box drawn without its frame
    VerticalLine = 32  // QFrame::VLine, plain shadow
};

enum class ControlFont {
    Application,
    YaHei,       // "微软雅黑", normal weight
    Gothic,      // "Century Gothic"
    GothicBold,  // "Century Gothic", weight 75
    Gothic12,    // "Century Gothic", 12 pt, normal weight
    AharoniBold, // "Aharoni", weight 75
    PageList     // 9 pt "Century Gothic" from the page list's style sheet
};

struct FormControl {
    FormControl() = default;
    FormControl(const QString &page, const QString &name, const QByteArray &className, const QRect &place,
                const QString &text, int minimum = 0, int maximum = 0, int value = 0, int state = Plain,
                ControlFont font = ControlFont::Application, const QString &toolTip = QString())
        : page(page), name(name), className(className), place(place), text(text), minimum(minimum),
          maximum(maximum), value(value), state(state), font(font), toolTip(toolTip)
    {}

    QString page;
    QString name;
    QByteArray className;
    QRect place;
    QString text;
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    int state = Plain;
    ControlFont font = ControlFont::Application;
    QString toolTip;
};
Q_DECLARE_METATYPE(FormControl)

inline QVector<FormControl> formControls()
{
    using F = ControlFont;
    const QString hintTip = QStringLiteral(
        "<html><head/><body><p>点击测试画面窗口后按空格可隐藏画面文字说明</p></body></html>");
    return {
        // page_3, the main page, in creation order
        { "page_3", "label_10", "QLabel", { -10, 15, 31, 41 }, "" },
        { "page_3", "pushButton_p2", "QPushButton", { 16, 145, 91, 21 }, "灰度", 0, 0, 0, Checkable, F::YaHei },
        { "page_3", "spinBox_y", "QSpinBox", { 700, 142, 61, 21 }, "", -2160, 2160, 0, Plain, F::Gothic },
        { "page_3", "spinBox_width", "QSpinBox", { 700, 192, 61, 21 }, "", 50, 3840, 50, Plain, F::Gothic },
        { "page_3", "pushButton_p4", "QPushButton", { 16, 225, 91, 21 }, "对比度", 0, 0, 0, Checkable, F::YaHei },
        { "page_3", "label_11", "QLabel", { 30, 35, 54, 12 }, "MENU", 0, 0, 0, Plain, F::AharoniBold },
        { "page_3", "pushButton_extend", "QPushButton", { 559, 281, 31, 31 }, ">", 0, 0, 0, Checkable, F::Gothic12 },
        { "page_3", "label_5", "QLabel", { 610, 192, 51, 21 }, "  WIDTH", 0, 0, 0, Plain, F::GothicBold },
        { "page_3", "label_3", "QLabel", { 610, 145, 51, 16 }, "       Y", 0, 0, 0, Plain, F::GothicBold },
        { "page_3", "line", "QFrame", { 580, 23, 20, 291 }, "", 0, 0, 0, VerticalLine },
        { "page_3", "tabWidget", "QTabWidget", { 110, 35, 481, 251 }, "" },
        { "page_3", "label_12", "QLabel", { 470, 25, 191, 231 }, "" },
        { "page_3", "horizontalSlider_height", "QSlider", { 610, 262, 151, 20 }, "", 50, 2160, 50 },
        { "page_3", "spinBox_height", "QSpinBox", { 700, 242, 61, 21 }, "", 50, 2160, 50, Plain, F::Gothic },
        { "page_3", "pushButton_p3", "QPushButton", { 16, 185, 91, 21 }, "字符 · 扫描", 0, 0, 0, Checkable, F::YaHei },
        { "page_3", "pushButton_opendlg", "QPushButton", { 610, 45, 61, 21 }, "显示", 0, 0, 0, Checkable | Checked, F::YaHei },
        { "page_3", "pushButton_p0", "QPushButton", { 16, 65, 91, 21 }, "纯色", 0, 0, 0, Checkable | Checked, F::YaHei },
        { "page_3", "label_6", "QLabel", { 610, 242, 51, 21 }, "  HEIGHT", 0, 0, 0, Plain, F::GothicBold },
        { "page_3", "pushButton_p5", "QPushButton", { 16, 265, 91, 21 }, "特殊", 0, 0, 0, Checkable, F::YaHei },
        { "page_3", "horizontalSlider_x", "QSlider", { 610, 112, 151, 20 }, "", -3840, 3840, 0 },
        { "page_3", "spinBox_x", "QSpinBox", { 700, 92, 61, 21 }, "", -3840, 3840, 0, Plain, F::Gothic },
        { "page_3", "horizontalSlider_y", "QSlider", { 610, 162, 151, 20 }, "", -2160, 2160, 0 },
        { "page_3", "pushButton_closedlg", "QPushButton", { 700, 45, 61, 21 }, "关闭", 0, 0, 0, Checkable, F::YaHei },
        { "page_3", "label_2", "QLabel", { 610, 95, 51, 16 }, "       X", 0, 0, 0, Plain, F::GothicBold },
        { "page_3", "horizontalSlider_width", "QSlider", { 610, 212, 151, 20 }, "", 50, 3840, 50 },
        { "page_3", "pushButton_p1", "QPushButton", { 16, 105, 91, 21 }, "色度", 0, 0, 0, Checkable, F::YaHei },
        { "page_3", "pushButton_close", "QPushButton", { 559, 22, 31, 31 }, "×" },
        { "page_3", "label_51", "QLabel", { -10, 140, 171, 181 }, "" },

        // page_4, the start page
        { "page_4", "comboBox_page", "QComboBox", { 220, 160, 151, 21 }, "K4801", 0, 0, 0, NoFrame, F::PageList },
        { "page_4", "pushButton_selectpage", "QPushButton", { 260, 200, 71, 21 }, "START", 0, 0, 0, Plain, F::YaHei },
        { "page_4", "pushButton_closeall", "QPushButton", { 550, 30, 31, 31 }, "×" },
        { "page_4", "label_49", "QLabel", { 240, 70, 101, 71 }, "" },
        { "page_4", "label_50", "QLabel", { 260, 130, 54, 41 }, "" },

        // tab 1: solid colours and gray level
        { "tab_6", "pushButton_white", "QPushButton", { 60, 60, 16, 16 }, "", 0, 0, 0, Checkable },
        { "tab_6", "label_32", "QLabel", { 40, 29, 51, 16 }, "" },
        { "tab_6", "pushButton_yellow", "QPushButton", { 90, 60, 16, 16 }, "", 0, 0, 0, Checkable },
        { "tab_6", "pushButton_red", "QPushButton", { 120, 60, 16, 16 }, "", 0, 0, 0, Checkable },
        { "tab_6", "pushButton_green", "QPushButton", { 150, 60, 16, 16 }, "", 0, 0, 0, Checkable },
        { "tab_6", "pushButton_purple", "QPushButton", { 180, 60, 16, 16 }, "", 0, 0, 0, Checkable },
        { "tab_6", "label_4", "QLabel", { 80, 27, 41, 20 }, "纯色", 0, 0, 0, Plain, F::YaHei },
        { "tab_6", "pushButton_blue", "QPushButton", { 210, 60, 16, 16 }, "", 0, 0, 0, Checkable },
        { "tab_6", "pushButton_cyan", "QPushButton", { 240, 60, 16, 16 }, "", 0, 0, 0, Checkable },
        { "tab_6", "pushButton_black", "QPushButton", { 270, 60, 16, 16 }, "", 0, 0, 0, Checkable },
        { "tab_6", "label_16", "QLabel", { 80, 120, 91, 16 }, "背景色灰度改变", 0, 0, 0, Plain, F::YaHei },
        { "tab_6", "horizontalSlider_grayvalue", "QSlider", { 60, 150, 160, 19 }, "", 0, 255, 255 },
        { "tab_6", "horizontalSlider_grayspeed", "QSlider", { 60, 200, 160, 19 }, "", 1, 99, 1 },
        { "tab_6", "spinBox_grayspeed", "QSpinBox", { 230, 200, 51, 16 }, "", 1, 99, 1, Plain, F::Gothic },
        { "tab_6", "pushButton_graystart", "QPushButton", { 150, 220, 41, 16 }, "START", 0, 0, 0, Checkable | Checked, F::YaHei },
        { "tab_6", "label_29", "QLabel", { 40, 120, 51, 16 }, "" },
        { "tab_6", "spinBox_grayvalue", "QSpinBox", { 230, 150, 51, 16 }, "", 0, 255, 255, Plain, F::Gothic },
        { "tab_6", "label_19", "QLabel", { 60, 220, 91, 16 }, "AUTO SPEED", 0, 0, 0, Plain, F::YaHei },
        { "tab_6", "label_34", "QLabel", { 353, 20, 131, 171 }, "" },
        { "tab_6", "label_24", "QLabel", { 60, 90, 301, 16 }, "点击测试画面窗口后按空格可隐藏/显示画面文字说明", 0, 0, 0, Plain, F::Application, hintTip },

        // tab 2: the colour-bar table
        { "tab", "tableWidget", "QTableWidget", { 60, 50, 371, 81 }, "" },
        { "tab", "label", "QLabel", { 60, 11, 211, 31 }, "编辑色度条", 0, 0, 0, Plain, F::YaHei },
        { "tab", "pushButton_showcolbar", "QPushButton", { 350, 170, 81, 21 }, "显示色度条", 0, 0, 0, Plain, F::YaHei },
        { "tab", "pushButton_addrow", "QPushButton", { 40, 50, 21, 21 }, "＋" },
        { "tab", "pushButton_minrow", "QPushButton", { 40, 70, 21, 21 }, "-" },
        { "tab", "pushButton_mincol", "QPushButton", { 410, 30, 21, 21 }, "-" },
        { "tab", "pushButton_addcol", "QPushButton", { 390, 30, 21, 21 }, "＋" },
        { "tab", "radioButton_manual", "QRadioButton", { 60, 140, 81, 21 }, "自选大小", 0, 0, 0, Checkable | Disabled, F::YaHei },
        { "tab", "radioButton_auto", "QRadioButton", { 150, 140, 89, 21 }, "自适应", 0, 0, 0, Checkable | Checked | Disabled, F::YaHei },
        { "tab", "spinBox_barwid", "QSpinBox", { 80, 170, 51, 16 }, "", 20, 1080, 20, Disabled, F::Gothic },
        { "tab", "spinBox_barhei", "QSpinBox", { 160, 170, 51, 20 }, "", 20, 1920, 20, Disabled, F::Gothic },
        { "tab", "checkBox", "QCheckBox", { 230, 170, 71, 21 }, "平铺", 0, 0, 0, Checkable | Disabled, F::YaHei },
        { "tab", "label_17", "QLabel", { 20, 20, 51, 16 }, "" },
        { "tab", "label_13", "QLabel", { 353, 19, 131, 171 }, "" },
        { "tab", "pushButton_usual", "QPushButton", { 350, 140, 81, 23 }, "常用色度条" },
        { "tab", "label_7", "QLabel", { 60, 170, 21, 16 }, "长" },
        { "tab", "label_52", "QLabel", { 140, 170, 21, 16 }, "宽" },
        { "tab", "label_53", "QLabel", { 60, 199, 221, 16 }, "请先在表格中双击选择颜色再设置大小", 0, 0, 0, Plain, F::Application, hintTip },

        // tab 3: gray bars and ramps
        { "tab_2", "label_8", "QLabel", { 60, 20, 71, 16 }, "灰度条", 0, 0, 0, Plain, F::YaHei },
        { "tab_2", "pushButton_32", "QPushButton", { 40, 50, 31, 31 }, "32", 0, 0, 0, Checkable, F::Gothic },
        { "tab_2", "pushButton_64", "QPushButton", { 90, 50, 31, 31 }, "64", 0, 0, 0, Checkable, F::Gothic },
        { "tab_2", "pushButton_128", "QPushButton", { 140, 50, 31, 31 }, "128", 0, 0, 0, Checkable, F::Gothic },
        { "tab_2", "pushButton_256", "QPushButton", { 40, 100, 31, 31 }, "256", 0, 0, 0, Checkable, F::Gothic },
        { "tab_2", "pushButton_nolimit", "QPushButton", { 220, 50, 71, 31 }, "自定义", 0, 0, 0, Checkable, F::YaHei },
        { "tab_2", "pushButton_ball", "QPushButton", { 90, 100, 31, 31 }, "球", 0, 0, 0, Checkable, F::YaHei },
        { "tab_2", "checkBox_reverse", "QCheckBox", { 40, 190, 71, 16 }, "反相", 0, 0, 0, Checkable, F::YaHei },
        { "tab_2", "label_14", "QLabel", { 80, 153, 31, 21 }, "深色", 0, 0, 0, Plain, F::YaHei },
        { "tab_2", "label_15", "QLabel", { 150, 153, 31, 21 }, "浅色", 0, 0, 0, Plain, F::YaHei },
        { "tab_2", "label_26", "QLabel", { 20, 20, 51, 16 }, "" },
        { "tab_2", "pushButton_dark", "QPushButton", { 40, 150, 31, 31 }, "" },
        { "tab_2", "pushButton_shallow", "QPushButton", { 110, 150, 31, 31 }, "" },
        { "tab_2", "label_27", "QLabel", { 353, 19, 131, 171 }, "" },
        { "tab_2", "spinBox_graywid_custom", "QSpinBox", { 280, 95, 61, 21 }, "", 1, 1920, 1, Plain, F::Gothic },
        { "tab_2", "label_38", "QLabel", { 220, 100, 54, 12 }, "每级宽度" },
        { "tab_2", "label_39", "QLabel", { 220, 130, 54, 12 }, "起始灰度" },
        { "tab_2", "spinBox_startgray", "QSpinBox", { 280, 126, 61, 21 }, "", 0, 255, 0, Plain, F::Gothic },
        { "tab_2", "spinBox_graydistance", "QSpinBox", { 280, 156, 61, 21 }, "", 1, 255, 1, Plain, F::Gothic },
        { "tab_2", "label_40", "QLabel", { 220, 160, 54, 12 }, "灰度间距" },
        { "tab_2", "pushButton_col_graydient_gray", "QPushButton", { 220, 190, 71, 31 }, "彩色+渐变", 0, 0, 0, Checkable, F::YaHei },
        { "tab_2", "pushButton_up", "QPushButton", { 300, 190, 31, 31 }, "↑", 0, 0, 0, Checkable, F::YaHei },
        { "tab_2", "pushButton_down", "QPushButton", { 340, 190, 31, 31 }, "↓", 0, 0, 0, Checkable, F::YaHei },
        { "tab_2", "pushButton_left", "QPushButton", { 380, 190, 31, 31 }, "←", 0, 0, 0, Checkable, F::YaHei },
        { "tab_2", "pushButton_right", "QPushButton", { 420, 190, 31, 31 }, "→", 0, 0, 0, Checkable, F::YaHei },
        { "tab_2", "checkBox_rotate", "QCheckBox", { 110, 190, 71, 16 }, "旋转", 0, 0, 0, Checkable, F::YaHei },

        // tab 4: scan lines, character test, moving square
        { "tab_3", "label_9", "QLabel", { 60, 20, 54, 12 }, "扫描线", 0, 0, 0, Plain, F::YaHei },
        { "tab_3", "label_28", "QLabel", { 20, 20, 51, 16 }, "" },
        { "tab_3", "checkBox_hor", "QCheckBox", { 40, 50, 51, 20 }, "横线", 0, 0, 0, Checkable },
        { "tab_3", "checkBox_ver", "QCheckBox", { 100, 50, 51, 20 }, "竖线", 0, 0, 0, Checkable },
        { "tab_3", "checkBox_rl", "QCheckBox", { 160, 50, 51, 20 }, "左斜线", 0, 0, 0, Checkable },
        { "tab_3", "checkBox_lr", "QCheckBox", { 230, 50, 61, 20 }, "右斜线", 0, 0, 0, Checkable },
        { "tab_3", "checkBox_overlay", "QCheckBox", { 310, 50, 51, 20 }, "叠加", 0, 0, 0, Checkable },
        { "tab_3", "pushButton_bgcol", "QPushButton", { 250, 113, 21, 21 }, "" },
        { "tab_3", "pushButton_linecol", "QPushButton", { 250, 149, 21, 21 }, "" },
        { "tab_3", "label_20", "QLabel", { 280, 113, 41, 21 }, "背景色", 0, 0, 0, Plain, F::YaHei },
        { "tab_3", "label_21", "QLabel", { 280, 148, 71, 21 }, "扫描线色", 0, 0, 0, Plain, F::YaHei },
        { "tab_3", "spinBox_linwid", "QSpinBox", { 160, 114, 51, 20 }, "", 1, 1920, 1, Plain, F::Gothic },
        { "tab_3", "spinBox_lined", "QSpinBox", { 70, 113, 51, 20 }, "", 1, 1920, 20, Plain, F::Gothic },
        { "tab_3", "label_22", "QLabel", { 129, 113, 31, 21 }, "线宽", 0, 0, 0, Plain, F::YaHei },
        { "tab_3", "label_23", "QLabel", { 40, 107, 31, 31 }, "间距", 0, 0, 0, Plain, F::YaHei },
        { "tab_3", "pushButton_scanstart", "QPushButton", { 320, 80, 41, 16 }, "STOP", 0, 0, 0, Checkable | Checked, F::YaHei },
        { "tab_3", "spinBox_linespeed", "QSpinBox", { 190, 80, 51, 16 }, "", 1, 99, 20, Plain, F::Gothic },
        { "tab_3", "horizontalSlider_linespeed", "QSlider", { 90, 80, 91, 20 }, "", 1, 99, 20 },
        { "tab_3", "label_31", "QLabel", { 353, 19, 131, 171 }, "" },
        { "tab_3", "label_25", "QLabel", { 40, 80, 51, 21 }, "SPEED", 0, 0, 0, Plain, F::YaHei },
        { "tab_3", "label_33", "QLabel", { 40, 150, 31, 16 }, "方向" },
        { "tab_3", "pushButton_scandirection", "QPushButton", { 70, 150, 71, 16 }, "CHANGE", 0, 0, 0, Checkable | Checked, F::Gothic },
        { "tab_3", "pushButton_fonttest", "QPushButton", { 40, 190, 101, 41 }, "字符测试", 0, 0, 0, Checkable },
        { "tab_3", "label_speed", "QLabel", { 250, 80, 71, 16 }, "", 0, 0, 0, Boxed },
        { "tab_3", "pushButton_square", "QPushButton", { 160, 190, 101, 41 }, "运动方块", 0, 0, 0, Checkable },
        { "tab_3", "spinBox_rectsize", "QSpinBox", { 320, 210, 51, 16 }, "", 1, 99, 20, Plain, F::Gothic },
        { "tab_3", "label_48", "QLabel", { 270, 210, 51, 16 }, "方块大小" },

        // tab 5: gray blocks and contrast charts
        { "tab_4", "label_35", "QLabel", { 60, 30, 71, 16 }, "测试内容", 0, 0, 0, Plain, F::YaHei },
        { "tab_4", "label_36", "QLabel", { 20, 30, 51, 16 }, "" },
        { "tab_4", "pushButton", "QPushButton", { 50, 60, 75, 61 }, "灰度块", 0, 0, 0, Checkable },
        { "tab_4", "pushButton_2", "QPushButton", { 160, 60, 75, 61 }, "对比度\n(亮)", 0, 0, 0, Checkable },
        { "tab_4", "pushButton_3", "QPushButton", { 270, 60, 75, 61 }, "对比度\n(暗)", 0, 0, 0, Checkable },
        { "tab_4", "label_37", "QLabel", { 353, 19, 131, 171 }, "" },
        { "tab_4", "checkBox_hidefont", "QCheckBox", { 50, 140, 71, 16 }, "隐藏文字", 0, 0, 0, Checkable, F::YaHei },

        // tab 6: clocks, grid and circles, custom picture
        { "tab_7", "label_41", "QLabel", { 20, 20, 51, 16 }, "" },
        { "tab_7", "label_42", "QLabel", { 60, 20, 71, 16 }, "帧延时", 0, 0, 0, Plain, F::YaHei },
        { "tab_7", "pushButton_fullscreenclock", "QPushButton", { 40, 50, 81, 61 }, "大屏", 0, 0, 0, Checkable },
        { "tab_7", "pushButton_singleclock", "QPushButton", { 140, 50, 81, 61 }, "箱体", 0, 0, 0, Checkable },
        { "tab_7", "spinBox_timedelayw", "QSpinBox", { 260, 60, 61, 21 }, "", 50, 3840, 384, Plain, F::Gothic },
        { "tab_7", "spinBox_timedelayh", "QSpinBox", { 260, 90, 61, 21 }, "", 50, 2160, 216, Plain, F::Gothic },
        { "tab_7", "label_44", "QLabel", { 240, 58, 16, 21 }, "宽" },
        { "tab_7", "label_45", "QLabel", { 240, 88, 16, 21 }, "高" },
        { "tab_7", "label_46", "QLabel", { 20, 130, 51, 16 }, "" },
        { "tab_7", "label_47", "QLabel", { 60, 130, 101, 16 }, "特殊测试画面", 0, 0, 0, Plain, F::YaHei },
        { "tab_7", "pushButton_rectcircle", "QPushButton", { 40, 160, 81, 61 }, "黑底方格圆圈", 0, 0, 0, Checkable },
        { "tab_7", "label_43", "QLabel", { 353, 19, 131, 171 }, "" },
        { "tab_7", "pushButton_rectcircle_2", "QPushButton", { 140, 160, 81, 61 }, "自定义图片", 0, 0, 0, Checkable },
        { "tab_7", "label_filepath", "QLabel", { 260, 200, 161, 16 }, "", 0, 0, 0, Boxed },
        { "tab_7", "pushButton_filepath", "QPushButton", { 240, 200, 16, 16 }, "…" },
        { "tab_7", "checkBox_noscale", "QCheckBox", { 240, 180, 71, 16 }, "原图大小", 0, 0, 0, Checkable | Checked },
        { "tab_7", "checkBox_scale", "QCheckBox", { 320, 180, 71, 16 }, "适应画面", 0, 0, 0, Checkable },

        // the menu tab, never selected
        { "tab_5", "pushButton_closeall_2", "QPushButton", { 450, -40, 31, 31 }, "×" },
    };
}

#endif // FORMTABLE_H
