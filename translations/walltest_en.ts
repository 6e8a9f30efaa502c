<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Speak LANG: zh (Chinese) or en (English), remembered in the profile; by default the system&apos;s language.</source>
        <translation>Speak LANG: zh (Chinese) or en (English), remembered in the profile; by default the system&apos;s language.</translation>
    </message>
    <message>
        <source>Remember the wall in profile NAME instead of &apos;default&apos; (one per wall or venue).</source>
        <translation>Remember the wall in profile NAME instead of &apos;default&apos; (one per wall or venue).</translation>
    </message>
    <message>
        <source>Start from the defaults and overwrite the profile.</source>
        <translation>Start from the defaults and overwrite the profile.</translation>
    </message>
    <message>
        <source>invalid value &apos;%1&apos; for --%2: %3</source>
        <translation>invalid value &apos;%1&apos; for --%2: %3</translation>
    </message>
    <message>
        <source>expected WxH, each side from 1 to %1</source>
        <translation>expected WxH, each side from 1 to %1</translation>
    </message>
    <message>
        <source>expected a whole number from 1 to 100000</source>
        <translation>expected a whole number from 1 to 100000</translation>
    </message>
    <message>
        <source>expected a number above 0, up to 1000</source>
        <translation>expected a number above 0, up to 1000</translation>
    </message>
    <message>
        <source>--export needs --pattern NAME</source>
        <translation>--export needs --pattern NAME</translation>
    </message>
    <message>
        <source>--%1 goes with --export</source>
        <translation>--%1 goes with --export</translation>
    </message>
    <message>
        <source>--%1 goes with --remote</source>
        <translation>--%1 goes with --remote</translation>
    </message>
    <message>
        <source>expected [ADDRESS:]PORT with PORT from 0 to 65535, for example 8080 or 127.0.0.1:8080</source>
        <translation>expected [ADDRESS:]PORT with PORT from 0 to 65535, for example 8080 or 127.0.0.1:8080</translation>
    </message>
    <message>
        <source>use 8 to 256 letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;.&apos; and &apos;~&apos;</source>
        <translation>use 8 to 256 letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;.&apos; and &apos;~&apos;</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>Test patterns for LED display walls: colours, gray levels, contrast, scanning and delay.</source>
        <translation>Test patterns for LED display walls: colours, gray levels, contrast, scanning and delay.</translation>
    </message>
    <message>
        <source>Start with the test-pattern window open, showing NAME (see --list-patterns).</source>
        <translation>Start with the test-pattern window open, showing NAME (see --list-patterns).</translation>
    </message>
    <message>
        <source>Place the test-pattern window: width x height + x + y; x and y may be negative.</source>
        <translation>Place the test-pattern window: width x height + x + y; x and y may be negative.</translation>
    </message>
    <message>
        <source>Show the test-pattern window full screen.</source>
        <translation>Show the test-pattern window full screen.</translation>
    </message>
    <message>
        <source>Hide the information text.</source>
        <translation>Hide the information text.</translation>
    </message>
    <message>
        <source>List every pattern family with its keys and ranges, then exit.</source>
        <translation>List every pattern family with its keys and ranges, then exit.</translation>
    </message>
    <message>
        <source>Size of the exported picture (default 1920x1080, up to 16384 on a side).</source>
        <translation>Size of the exported picture (default 1920x1080, up to 16384 on a side).</translation>
    </message>
    <message>
        <source>Export N frames of a moving pattern as FILE-0001.png, FILE-0002.png, ...</source>
        <translation>Export N frames of a moving pattern as FILE-0001.png, FILE-0002.png, ...</translation>
    </message>
    <message>
        <source>Frames per second of the exported frames (default 60).</source>
        <translation>Frames per second of the exported frames (default 60).</translation>
    </message>
    <message>
        <source>Serve the remote-control page and API on PORT, on all addresses or on ADDRESS only.</source>
        <translation>Serve the remote-control page and API on PORT, on all addresses or on ADDRESS only.</translation>
    </message>
    <message>
        <source>The remote control&apos;s access token, instead of the one kept in the profile.</source>
        <translation>The remote control&apos;s access token, instead of the one kept in the profile.</translation>
    </message>
    <message>
        <source>The folder whose pictures the remote control may show (none by default).</source>
        <translation>The folder whose pictures the remote control may show (none by default).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expected WxH+X+Y, for example 1920x1080+0+0 or 3840x2160-3840+0</source>
        <translation>expected WxH+X+Y, for example 1920x1080+0+0 or 3840x2160-3840+0</translation>
    </message>
    <message>
        <source>use letters, digits, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;, not starting with &apos;.&apos;</source>
        <translation>use letters, digits, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;, not starting with &apos;.&apos;</translation>
    </message>
    <message>
        <source>expected zh or en</source>
        <translation>expected zh or en</translation>
    </message>
    <message>
        <source>Try &apos;walltest --help&apos; for more information.</source>
        <translation>Try &apos;walltest --help&apos; for more information.</translation>
    </message>
    <message>
        <source>--export - writes one picture to standard output; --frames needs a file name</source>
        <translation>--export - writes one picture to standard output; --frames needs a file name</translation>
    </message>
    <message>
        <source>Write the pattern as a PNG file (- for standard output), without any display, then exit.</source>
        <translation>Write the pattern as a PNG file (- for standard output), without any display, then exit.</translation>
    </message>
    <message>
        <source>--output goes with --fullscreen, and without --geometry</source>
        <translation>--output goes with --fullscreen, and without --geometry</translation>
    </message>
    <message>
        <source>With --fullscreen: fill output NAME, as the desktop names it; on Wayland the one way to choose where the window shows.</source>
        <translation>With --fullscreen: fill output NAME, as the desktop names it; on Wayland the one way to choose where the window shows.</translation>
    </message>
    <message>
        <source>expected an instant in UTC such as 2026-12-07T10:00:00Z or 2026-12-07T10:00:00.250Z</source>
        <translation>expected an instant in UTC such as 2026-12-07T10:00:00Z or 2026-12-07T10:00:00.250Z</translation>
    </message>
    <message>
        <source>a %1x%2 part at %3,%4 does not fit inside the %5x%6 canvas</source>
        <translation>a %1x%2 part at %3,%4 does not fit inside the %5x%6 canvas</translation>
    </message>
    <message>
        <source>This window shows the part of a W x H wall canvas whose top-left corner is at X,Y, at the window&apos;s own size; off forgets a remembered canvas.</source>
        <translation>This window shows the part of a W x H wall canvas whose top-left corner is at X,Y, at the window&apos;s own size; off forgets a remembered canvas.</translation>
    </message>
    <message>
        <source>Export the instant TIME (UTC, for example 2026-12-07T10:00:00Z) of patterns with source=system; frame k is at TIME + k / fps.</source>
        <translation>Export the instant TIME (UTC, for example 2026-12-07T10:00:00Z) of patterns with source=system; frame k is at TIME + k / fps.</translation>
    </message>
    <message>
        <source>--wall-ca goes with --wall</source>
        <translation>--wall-ca goes with --wall</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>not a readable file</translation>
    </message>
    <message>
        <source>Join a wall group on an MQTT broker, URL being mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME (mqtts:// for TLS); remembered in the profile, off leaves it.</source>
        <translation>Join a wall group on an MQTT broker, URL being mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME (mqtts:// for TLS); remembered in the profile, off leaves it.</translation>
    </message>
    <message>
        <source>With an mqtts:// --wall: trust the broker&apos;s certificate by the CA in FILE instead of the system&apos;s.</source>
        <translation>With an mqtts:// --wall: trust the broker&apos;s certificate by the CA in FILE instead of the system&apos;s.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>it is a folder, not a regular file</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file (use --export - to write to standard output)</source>
        <translation>it is a named pipe, not a regular file (use --export - to write to standard output)</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>it is a socket, not a regular file</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>cannot write to standard output: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>walltest</translation>
    </message>
    <message>
        <source>灰度</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>  WIDTH</source>
        <translation>  WIDTH</translation>
    </message>
    <message>
        <source>       Y</source>
        <translation>       Y</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>纯色</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>背景色灰度改变</source>
        <translation>Gray level</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>AUTO SPEED</source>
        <translation>AUTO SPEED</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;点击测试画面窗口后按空格可隐藏画面文字说明&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Click the test-pattern window, then press Space to hide the text on the pattern&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>点击测试画面窗口后按空格可隐藏/显示画面文字说明</source>
        <translation>Click the pattern; Space hides/shows its text</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>编辑色度条</source>
        <translation>Edit colour bars</translation>
    </message>
    <message>
        <source>显示色度条</source>
        <translation>Show bars</translation>
    </message>
    <message>
        <source>＋</source>
        <translation>＋</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>自选大小</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>Auto fit</translation>
    </message>
    <message>
        <source>平铺</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>常用色度条</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>长</source>
        <translation>W</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>W</translation>
    </message>
    <message>
        <source>请先在表格中双击选择颜色再设置大小</source>
        <translation>Double-click a cell for its colour</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>灰度条</source>
        <translation>Gray bars</translation>
    </message>
    <message>
        <source>32</source>
        <translation>32</translation>
    </message>
    <message>
        <source>64</source>
        <translation>64</translation>
    </message>
    <message>
        <source>128</source>
        <translation>128</translation>
    </message>
    <message>
        <source>256</source>
        <translation>256</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>球</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>反相</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>每级宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>起始灰度</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>灰度间距</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>彩色+渐变</source>
        <translation>RGB+ramp</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>扫描线</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>横线</source>
        <translation>Hor.</translation>
    </message>
    <message>
        <source>竖线</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <source>左斜线</source>
        <translation>Diag /</translation>
    </message>
    <message>
        <source>右斜线</source>
        <translation>Diag \</translation>
    </message>
    <message>
        <source>叠加</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Bg col</translation>
    </message>
    <message>
        <source>扫描线色</source>
        <translation>Line colour</translation>
    </message>
    <message>
        <source>线宽</source>
        <translation>Wid.</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>CHANGE</translation>
    </message>
    <message>
        <source>字符测试</source>
        <translation>Font test</translation>
    </message>
    <message>
        <source>运动方块</source>
        <translation>Moving
square</translation>
    </message>
    <message>
        <source>方块大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>测试内容</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>灰度块</source>
        <translation>Gray
blocks</translation>
    </message>
    <message>
        <source>对比度
(亮)</source>
        <translation>Contrast
(bright)</translation>
    </message>
    <message>
        <source>对比度
(暗)</source>
        <translation>Contrast
(dark)</translation>
    </message>
    <message>
        <source>隐藏文字</source>
        <translation>Hide text</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>帧延时</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>大屏</source>
        <translation>Wall</translation>
    </message>
    <message>
        <source>箱体</source>
        <translation>Cabinet</translation>
    </message>
    <message>
        <source>高</source>
        <translation>H</translation>
    </message>
    <message>
        <source>特殊测试画面</source>
        <translation>Special tests</translation>
    </message>
    <message>
        <source>黑底方格圆圈</source>
        <translation>Grid and
circles</translation>
    </message>
    <message>
        <source>自定义图片</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>原图大小</source>
        <translation>Native</translation>
    </message>
    <message>
        <source>适应画面</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>字符 · 扫描</source>
        <translation>Text · Scan</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>  HEIGHT</source>
        <translation>  HEIGHT</translation>
    </message>
    <message>
        <source>特殊</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>       X</source>
        <translation>       X</translation>
    </message>
    <message>
        <source>色度</source>
        <translation>Colour bars</translation>
    </message>
    <message>
        <source>K4801</source>
        <translation>K4801</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>the minimum number of column is 1</source>
        <translation>the minimum number of column is 1</translation>
    </message>
    <message>
        <source>the minimum number of row is 1</source>
        <translation>the minimum number of row is 1</translation>
    </message>
    <message>
        <source>ms/pixel</source>
        <translation>ms/px</translation>
    </message>
    <message>
        <source>Image Files(*.png *.jpg *.bmp)</source>
        <translation>Image files (*.png *.jpg *.jpeg *.bmp)</translation>
    </message>
    <message>
        <source>Other Image Files(%1)</source>
        <translation>Other image files (%1)</translation>
    </message>
    <message>
        <source>OpenImage</source>
        <translation>Open a picture</translation>
    </message>
    <message>
        <source>Decoding %1 …</source>
        <translation>Decoding %1 …</translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>Cannot show %1: %2</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>the file does not exist.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>the file cannot be read.</translation>
    </message>
    <message>
        <source>its content is not a picture in a format this program can read.</source>
        <translation>its content is not a picture in a format this program can read.</translation>
    </message>
    <message>
        <source>the picture data is damaged or incomplete.</source>
        <translation>the picture data is damaged or incomplete.</translation>
    </message>
    <message>
        <source>the picture could not be decoded.</source>
        <translation>the picture could not be decoded.</translation>
    </message>
    <message>
        <source>it is a folder, not a picture.</source>
        <translation>it is a folder, not a picture.</translation>
    </message>
    <message>
        <source>the file cannot be read (permission denied).</source>
        <translation>the file cannot be read (permission denied).</translation>
    </message>
    <message>
        <source>the file is empty (0 bytes).</source>
        <translation>the file is empty (0 bytes).</translation>
    </message>
    <message>
        <source>Cannot show %1: the picture is %2 × %3 pixels, larger than %4 pixels on a side.</source>
        <translation>Cannot show %1: the picture is %2 × %3 pixels, larger than %4 pixels on a side.</translation>
    </message>
    <message>
        <source>Cannot show %1: the picture is %2 × %3 pixels, more than %4 pixels to decode at its own size; choose &quot;适应画面&quot; to show it fitted to the window.</source>
        <translation>Cannot show %1: the picture is %2 × %3 pixels, more than %4 pixels to decode at its own size; choose &quot;Fit&quot; to show it fitted to the window.</translation>
    </message>
    <message>
        <source>the JPEG file is incomplete; it ends before the end of the picture.</source>
        <translation>the JPEG file is incomplete; it ends before the end of the picture.</translation>
    </message>
    <message>
        <source>灰度自动变化的速度</source>
        <translation>Speed of the automatic gray sweep</translation>
    </message>
    <message>
        <source>宽</source>
        <comment>cell height</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>s/pixel</source>
        <translation>s/px</translation>
    </message>
    <message>
        <source>Show the test-pattern window full screen on this output</source>
        <translation>Show the test-pattern window full screen on this output</translation>
    </message>
    <message>
        <source>Full screen on…</source>
        <translation>Full screen on…</translation>
    </message>
    <message>
        <source>Canvas: the window</source>
        <translation>Canvas: the window</translation>
    </message>
    <message>
        <source>Canvas: %1</source>
        <translation>Canvas: %1</translation>
    </message>
    <message>
        <source>, window past it</source>
        <translation>, window past it</translation>
    </message>
    <message>
        <source>Clock: not synchronised</source>
        <translation>Clock: not synchronised</translation>
    </message>
    <message>
        <source>Clock: synchronised</source>
        <translation>Clock: synchronised</translation>
    </message>
    <message>
        <source>Clock: synchronised, ±%1 ms</source>
        <translation>Clock: synchronised, ±%1 ms</translation>
    </message>
    <message>
        <source>The window reaches past its canvas: the base colour shows there.</source>
        <translation>The window reaches past its canvas: the base colour shows there.</translation>
    </message>
    <message>
        <source>The computers of one wall show the same frame while their clocks agree (chrony, linuxptp).</source>
        <translation>The computers of one wall show the same frame while their clocks agree (chrony, linuxptp).</translation>
    </message>
    <message>
        <source>Cannot show %1 fitted to the canvas: the canvas is %2 × %3 pixels, more than %4 pixels to scale this picture to.</source>
        <translation>Cannot show %1 fitted to the canvas: the canvas is %2 × %3 pixels, more than %4 pixels to scale this picture to.</translation>
    </message>
    <message>
        <source>no canvas</source>
        <translation>no canvas</translation>
    </message>
    <message>
        <source>%1 · clock %2</source>
        <translation>%1 · clock %2</translation>
    </message>
    <message>
        <source>Technician patterns</source>
        <translation>Technician patterns</translation>
    </message>
</context>
<context>
    <name>PatternName</name>
    <message>
        <source>WxH with W %1..%2 and H %3..%4</source>
        <translation>WxH with W %1..%2 and H %3..%4</translation>
    </message>
    <message>
        <source>no value, it is a flag</source>
        <translation>no value, it is a flag</translation>
    </message>
    <message>
        <source>#rrggbb or black, white, red, green, blue, cyan, magenta, yellow</source>
        <translation>#rrggbb or black, white, red, green, blue, cyan, magenta, yellow</translation>
    </message>
    <message>
        <source>#rrggbb;#rrggbb;... with cols x rows colours, row by row</source>
        <translation>#rrggbb;#rrggbb;... with cols x rows colours, row by row</translation>
    </message>
    <message>
        <source>auto or %1</source>
        <translation>auto or %1</translation>
    </message>
    <message>
        <source>a file name, to the end of the name</source>
        <translation>a file name, to the end of the name</translation>
    </message>
    <message>
        <source>bars: preset cannot take %1 (preset is the 7 x 1 table red, green, blue, white, cyan, magenta, yellow; allowed with it: cell, tile, base, gray)</source>
        <translation>bars: preset cannot take %1 (preset is the 7 x 1 table red, green, blue, white, cyan, magenta, yellow; allowed with it: cell, tile, base, gray)</translation>
    </message>
    <message>
        <source>bars: colors holds %1 colours (allowed: exactly cols x rows = %2)</source>
        <translation>bars: colors holds %1 colours (allowed: exactly cols x rows = %2)</translation>
    </message>
    <message>
        <source>bars: tile needs a cell size (allowed: tile with cell=WxH; cell=auto always fills the window)</source>
        <translation>bars: tile needs a cell size (allowed: tile with cell=WxH; cell=auto always fills the window)</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>allowed: %1</translation>
    </message>
    <message>
        <source>%1: empty key in &quot;%2&quot; (%3)</source>
        <translation>%1: empty key in &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot; (%3)</source>
        <translation>%1: unknown key &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <source>no keys</source>
        <translation>no keys</translation>
    </message>
    <message>
        <source>%1: key &quot;%2&quot; is given twice%3</source>
        <translation>%1: key &quot;%2&quot; is given twice%3</translation>
    </message>
    <message>
        <source> (%1 and %2 are the same key)</source>
        <translation> (%1 and %2 are the same key)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is a flag and takes no value (allowed: %3 alone)</source>
        <translation>%1: &quot;%2&quot; is a flag and takes no value (allowed: %3 alone)</translation>
    </message>
    <message>
        <source>%1: %2 needs a value (allowed: %3)</source>
        <translation>%1: %2 needs a value (allowed: %3)</translation>
    </message>
    <message>
        <source>%1: %2 is not allowed (allowed: %3)</source>
        <translation>%1: %2 is not allowed (allowed: %3)</translation>
    </message>
    <message>
        <source>empty pattern name (%1)</source>
        <translation>empty pattern name (%1)</translation>
    </message>
    <message>
        <source>unknown pattern family &quot;%1&quot; (%2)</source>
        <translation>unknown pattern family &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>none or %1</source>
        <translation>none or %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>On Wayland the desktop decides where the test-pattern window appears: its position is the compositor&apos;s choice, not the placement. --fullscreen --output NAME fills one output exactly.</source>
        <translation>On Wayland the desktop decides where the test-pattern window appears: its position is the compositor&apos;s choice, not the placement. --fullscreen --output NAME fills one output exactly.</translation>
    </message>
    <message>
        <source>Wayland desktop: running through XWayland, so that the test-pattern window stands exactly where it is placed.</source>
        <translation>Wayland desktop: running through XWayland, so that the test-pattern window stands exactly where it is placed.</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>256 gray levels</source>
        <translation>256 gray levels</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Cabinet map</source>
        <translation>Cabinet map</translation>
    </message>
    <message>
        <source>Character test</source>
        <translation>Character test</translation>
    </message>
    <message>
        <source>Clock per cabinet</source>
        <translation>Clock per cabinet</translation>
    </message>
    <message>
        <source>Colour and gradient chart</source>
        <translation>Colour and gradient chart</translation>
    </message>
    <message>
        <source>Colour bars and gray</source>
        <translation>Colour bars and gray</translation>
    </message>
    <message>
        <source>Colour bars</source>
        <translation>Colour bars</translation>
    </message>
    <message>
        <source>Contrast, bright</source>
        <translation>Contrast, bright</translation>
    </message>
    <message>
        <source>Contrast, dark</source>
        <translation>Contrast, dark</translation>
    </message>
    <message>
        <source>Delay clock</source>
        <translation>Delay clock</translation>
    </message>
    <message>
        <source>Diagonal scan lines</source>
        <translation>Diagonal scan lines</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Gray 50 %</source>
        <translation>Gray 50 %</translation>
    </message>
    <message>
        <source>Gray ramps</source>
        <translation>Gray ramps</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Grid and circles</source>
        <translation>Grid and circles</translation>
    </message>
    <message>
        <source>Horizontal scan lines</source>
        <translation>Horizontal scan lines</translation>
    </message>
    <message>
        <source>Information text</source>
        <translation>Information text</translation>
    </message>
    <message>
        <source>Moving square</source>
        <translation>Moving square</translation>
    </message>
    <message>
        <source>One gray ramp</source>
        <translation>One gray ramp</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Place the window</source>
        <translation>Place the window</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Radial gradient</source>
        <translation>Radial gradient</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Scan step</source>
        <translation>Scan step</translation>
    </message>
    <message>
        <source>Scanning and delay</source>
        <translation>Scanning and delay</translation>
    </message>
    <message>
        <source>Solid colours</source>
        <translation>Solid colours</translation>
    </message>
    <message>
        <source>Test-pattern window</source>
        <translation>Test-pattern window</translation>
    </message>
    <message>
        <source>Vertical scan lines</source>
        <translation>Vertical scan lines</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>height</source>
        <translation>height</translation>
    </message>
    <message>
        <source>walltest remote</source>
        <translation>walltest remote</translation>
    </message>
    <message>
        <source>width</source>
        <translation>width</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3 to %4.</source>
        <translation>%1 %2 is outside %3 to %4.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>Full screen off</source>
        <translation>Full screen off</translation>
    </message>
    <message>
        <source>Full screen on</source>
        <translation>Full screen on</translation>
    </message>
    <message>
        <source>Gray sweep</source>
        <translation>Gray sweep</translation>
    </message>
    <message>
        <source>Information text off</source>
        <translation>Information text off</translation>
    </message>
    <message>
        <source>Information text on</source>
        <translation>Information text on</translation>
    </message>
    <message>
        <source>No pictures are shared: start walltest with --pictures FOLDER.</source>
        <translation>No pictures are shared: start walltest with --pictures FOLDER.</translation>
    </message>
    <message>
        <source>Press Q on the test-pattern window: it shows a QR code that opens this page signed in.</source>
        <translation>Press Q on the test-pattern window: it shows a QR code that opens this page signed in.</translation>
    </message>
    <message>
        <source>Scan lines stepped</source>
        <translation>Scan lines stepped</translation>
    </message>
    <message>
        <source>Scan lines</source>
        <translation>Scan lines</translation>
    </message>
    <message>
        <source>Scan step moves scan lines: show a scan-line pattern first.</source>
        <translation>Scan step moves scan lines: show a scan-line pattern first.</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>Sent:</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Speeds</translation>
    </message>
    <message>
        <source>The token is missing or wrong. Type the token walltest printed, or press Q on the test-pattern window and scan the code.</source>
        <translation>The token is missing or wrong. Type the token walltest printed, or press Q on the test-pattern window and scan the code.</translation>
    </message>
    <message>
        <source>There is no such picture in the pictures folder:</source>
        <translation>There is no such picture in the pictures folder:</translation>
    </message>
    <message>
        <source>This file is not a picture walltest can read:</source>
        <translation>This file is not a picture walltest can read:</translation>
    </message>
    <message>
        <source>This picture is outside the pictures folder:</source>
        <translation>This picture is outside the pictures folder:</translation>
    </message>
    <message>
        <source>Token</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>Window hidden</source>
        <translation>Window hidden</translation>
    </message>
    <message>
        <source>Window placed</source>
        <translation>Window placed</translation>
    </message>
    <message>
        <source>Window shown</source>
        <translation>Window shown</translation>
    </message>
    <message>
        <source>walltest cannot use this value.</source>
        <translation>walltest cannot use this value.</translation>
    </message>
    <message>
        <source>walltest does not answer. Is the program still running, and the phone on its network?</source>
        <translation>walltest does not answer. Is the program still running, and the phone on its network?</translation>
    </message>
    <message>
        <source>walltest is closing.</source>
        <translation>walltest is closing.</translation>
    </message>
    <message>
        <source>walltest refused this:</source>
        <translation>walltest refused this:</translation>
    </message>
    <message>
        <source>Not every picture is listed: the list stops at 1000 pictures and 4 folders deep.</source>
        <translation>Not every picture is listed: the list stops at 1000 pictures and 4 folders deep.</translation>
    </message>
    <message>
        <source>This device holds too many connections to walltest; try again in a moment.</source>
        <translation>This device holds too many connections to walltest; try again in a moment.</translation>
    </message>
    <message>
        <source>%1 redraws/s, longest gap %2 ms, screen %3 Hz</source>
        <translation>%1 redraws/s, longest gap %2 ms, screen %3 Hz</translation>
    </message>
    <message>
        <source>Redraw figures hidden</source>
        <translation>Redraw figures hidden</translation>
    </message>
    <message>
        <source>Redraw figures shown</source>
        <translation>Redraw figures shown</translation>
    </message>
    <message>
        <source>Redraws per second</source>
        <translation>Redraws per second</translation>
    </message>
    <message>
        <source>Full screen on %1</source>
        <translation>Full screen on %1</translation>
    </message>
    <message>
        <source>Canvas: %1</source>
        <translation>Canvas: %1</translation>
    </message>
    <message>
        <source>Canvas: the window</source>
        <translation>Canvas: the window</translation>
    </message>
    <message>
        <source>Clock not synchronised</source>
        <translation>Clock not synchronised</translation>
    </message>
    <message>
        <source>Clock synchronised, ±%1 ms</source>
        <translation>Clock synchronised, ±%1 ms</translation>
    </message>
    <message>
        <source>the window reaches past its canvas</source>
        <translation>the window reaches past its canvas</translation>
    </message>
    <message>
        <source>Broker connected</source>
        <translation>Broker connected</translation>
    </message>
    <message>
        <source>No broker: this computer runs alone and keeps looking</source>
        <translation>No broker: this computer runs alone and keeps looking</translation>
    </message>
    <message>
        <source>Wall group</source>
        <translation>Wall group</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>online</source>
        <translation>online</translation>
    </message>
    <message>
        <source>Checkerboard 1 × 1</source>
        <translation>Checkerboard 1 × 1</translation>
    </message>
    <message>
        <source>Checkerboard per cabinet</source>
        <translation>Checkerboard per cabinet</translation>
    </message>
    <message>
        <source>Finding faults</source>
        <translation>Finding faults</translation>
    </message>
    <message>
        <source>Frame ticker</source>
        <translation>Frame ticker</translation>
    </message>
    <message>
        <source>Identify this output</source>
        <translation>Identify this output</translation>
    </message>
    <message>
        <source>Pixel walk</source>
        <translation>Pixel walk</translation>
    </message>
    <message>
        <source>Zone plate</source>
        <translation>Zone plate</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Remote control: %1</source>
        <translation>Remote control: %1</translation>
    </message>
    <message>
        <source>the address is not available</source>
        <translation>the address is not available</translation>
    </message>
    <message>
        <source>cannot open the remote control on %1:%2: %3</source>
        <translation>cannot open the remote control on %1:%2: %3</translation>
    </message>
</context>
<context>
    <name>TechnicianPage</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Back</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Checkerboard</translation>
    </message>
    <message>
        <source>Zone plate</source>
        <translation>Zone plate</translation>
    </message>
    <message>
        <source>Pixel walk</source>
        <translation>Pixel walk</translation>
    </message>
    <message>
        <source>Frame ticker</source>
        <translation>Frame ticker</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identify</translation>
    </message>
    <message>
        <source>Cell / cabinet</source>
        <translation>Cell / cabinet</translation>
    </message>
    <message>
        <source>Ticker over the whole canvas</source>
        <translation>Ticker over the whole canvas</translation>
    </message>
    <message>
        <source>Zone plate k</source>
        <translation>Zone plate k</translation>
    </message>
    <message>
        <source>Steps per second</source>
        <translation>Steps per second</translation>
    </message>
    <message>
        <source>Red, green and blue apart</source>
        <translation>Red, green and blue apart</translation>
    </message>
    <message>
        <source>Frames per second</source>
        <translation>Frames per second</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>screen</translation>
    </message>
    <message>
        <source>Computer&apos;s clock (UTC)</source>
        <translation>Computer&apos;s clock (UTC)</translation>
    </message>
</context>
<context>
    <name>WallCanvas</name>
    <message>
        <source>the canvas &quot;%1&quot; is not WxH+X+Y</source>
        <translation>the canvas &quot;%1&quot; is not WxH+X+Y</translation>
    </message>
    <message>
        <source>the canvas&apos;s width and height must be 1 to %1</source>
        <translation>the canvas&apos;s width and height must be 1 to %1</translation>
    </message>
    <message>
        <source>the corner %1,%2 lies outside the %3x%4 canvas</source>
        <translation>the corner %1,%2 lies outside the %3x%4 canvas</translation>
    </message>
</context>
<context>
    <name>WallControl</name>
    <message>
        <source>walltest: the window at %1 lies off the desktop; moved to %2</source>
        <translation>walltest: the window at %1 lies off the desktop; moved to %2</translation>
    </message>
    <message>
        <source>walltest: the window at %1 lies partly off the desktop; only %2 of it shows</source>
        <translation>walltest: the window at %1 lies partly off the desktop; only %2 of it shows</translation>
    </message>
    <message>
        <source>no output is called &apos;%1&apos;: the outputs are %2</source>
        <translation>no output is called &apos;%1&apos;: the outputs are %2</translation>
    </message>
    <message>
        <source>a %1x%2 window at %3,%4 does not fit inside the %5x%6 canvas</source>
        <translation>a %1x%2 window at %3,%4 does not fit inside the %5x%6 canvas</translation>
    </message>
</context>
<context>
    <name>WallGroup</name>
    <message>
        <source>over %1 bytes</source>
        <translation>over %1 bytes</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>a wrong or missing &quot;v&quot; (this version reads 1)</source>
        <translation>a wrong or missing &quot;v&quot; (this version reads 1)</translation>
    </message>
    <message>
        <source>&quot;time&quot; must be whole milliseconds since 1970</source>
        <translation>&quot;time&quot; must be whole milliseconds since 1970</translation>
    </message>
    <message>
        <source>&quot;member&quot; must be 1 to 64 of A-Z a-z 0-9 _ -</source>
        <translation>&quot;member&quot; must be 1 to 64 of A-Z a-z 0-9 _ -</translation>
    </message>
    <message>
        <source>no picture file &quot;%1&quot; on this computer</source>
        <translation>no picture file &quot;%1&quot; on this computer</translation>
    </message>
    <message>
        <source>a topic this version does not know</source>
        <translation>a topic this version does not know</translation>
    </message>
    <message>
        <source>&quot;value&quot; must be a pattern name</source>
        <translation>&quot;value&quot; must be a pattern name</translation>
    </message>
    <message>
        <source>&quot;value&quot; must be true or false</source>
        <translation>&quot;value&quot; must be true or false</translation>
    </message>
    <message>
        <source>stamped %1 s ahead of this computer&apos;s clock</source>
        <translation>stamped %1 s ahead of this computer&apos;s clock</translation>
    </message>
    <message>
        <source>not a member&apos;s announcement</source>
        <translation>not a member&apos;s announcement</translation>
    </message>
    <message>
        <source>cannot make an MQTT client</source>
        <translation>cannot make an MQTT client</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>TLS cannot be set up: %1</translation>
    </message>
    <message>
        <source>wall group %1: %2</source>
        <translation>wall group %1: %2</translation>
    </message>
    <message>
        <source>wall group %1: the broker at %2 refused: %3</source>
        <translation>wall group %1: the broker at %2 refused: %3</translation>
    </message>
    <message>
        <source>wall group %1: no broker at %2; running alone and retrying</source>
        <translation>wall group %1: no broker at %2; running alone and retrying</translation>
    </message>
    <message>
        <source>wall group %1: ignored a message on %2: %3</source>
        <translation>wall group %1: ignored a message on %2: %3</translation>
    </message>
    <message>
        <source>wall group %1: connected to the broker at %2</source>
        <translation>wall group %1: connected to the broker at %2</translation>
    </message>
    <message>
        <source>wall group %1: lost the broker at %2; running alone and retrying</source>
        <translation>wall group %1: lost the broker at %2; running alone and retrying</translation>
    </message>
    <message>
        <source>Wall group %1: no broker, running alone</source>
        <translation>Wall group %1: no broker, running alone</translation>
    </message>
    <message>
        <source>Wall group %1: %2 of %3 members online</source>
        <translation>Wall group %1: %2 of %3 members online</translation>
    </message>
    <message>
        <source>the profile&apos;s wall group %1 cannot be used: %2</source>
        <translation>the profile&apos;s wall group %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>expected HOST or HOST:PORT after the scheme</source>
        <translation>expected HOST or HOST:PORT after the scheme</translation>
    </message>
    <message>
        <source>the port must be from 1 to 65535</source>
        <translation>the port must be from 1 to 65535</translation>
    </message>
    <message>
        <source>expected mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME, mqtts://... or off</source>
        <translation>expected mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME, mqtts://... or off</translation>
    </message>
    <message>
        <source>the group&apos;s NAME, after the last &apos;/&apos;, must be 1 to 64 of A-Z a-z 0-9 _ -</source>
        <translation>the group&apos;s NAME, after the last &apos;/&apos;, must be 1 to 64 of A-Z a-z 0-9 _ -</translation>
    </message>
    <message>
        <source>a user name must come before &apos;:&apos; and &apos;@&apos;</source>
        <translation>a user name must come before &apos;:&apos; and &apos;@&apos;</translation>
    </message>
</context>
<context>
    <name>WallProfile</name>
    <message>
        <source>walltest: profile %1: %2; using the default</source>
        <translation>walltest: profile %1: %2; using the default</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; is not a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither true nor false</source>
        <translation>&quot;%1&quot; is neither true nor false</translation>
    </message>
    <message>
        <source>%1 colours where %2 are needed</source>
        <translation>%1 colours where %2 are needed</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour</source>
        <translation>&quot;%1&quot; is not a colour</translation>
    </message>
    <message>
        <source>walltest: cannot read the profile %1; using the defaults</source>
        <translation>walltest: cannot read the profile %1; using the defaults</translation>
    </message>
    <message>
        <source>walltest: profile %1: damaged lines skipped</source>
        <translation>walltest: profile %1: damaged lines skipped</translation>
    </message>
    <message>
        <source>no file &quot;%1&quot;</source>
        <translation>no file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither zh nor en</source>
        <translation>&quot;%1&quot; is neither zh nor en</translation>
    </message>
    <message>
        <source>walltest: cannot write the profile %1; nothing set in this run will be remembered</source>
        <translation>walltest: cannot write the profile %1; nothing set in this run will be remembered</translation>
    </message>
    <message>
        <source>walltest: the profile %1 is unreadable; set aside as %2, starting from the defaults</source>
        <translation>walltest: the profile %1 is unreadable; set aside as %2, starting from the defaults</translation>
    </message>
    <message>
        <source>walltest: the profile %1 is unreadable; starting from the defaults</source>
        <translation>walltest: the profile %1 is unreadable; starting from the defaults</translation>
    </message>
</context>
<context>
    <name>dialog</name>
    <message>
        <source>HIDE</source>
        <translation>HIDE</translation>
    </message>
    <message>
        <source>%1 redraws/s
longest gap %2 ms
screen %3 Hz</source>
        <translation>%1 redraws/s
longest gap %2 ms
screen %3 Hz</translation>
    </message>
</context>
</TS>
