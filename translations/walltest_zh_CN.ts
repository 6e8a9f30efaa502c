<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Speak LANG: zh (Chinese) or en (English), remembered in the profile; by default the system&apos;s language.</source>
        <translation>使用语言 LANG：zh（中文）或 en（英文），记在配置中；默认跟随系统语言。</translation>
    </message>
    <message>
        <source>Remember the wall in profile NAME instead of &apos;default&apos; (one per wall or venue).</source>
        <translation>把显示屏记在配置 NAME 中，而不是“default”（每块屏或每个场地一个）。</translation>
    </message>
    <message>
        <source>Start from the defaults and overwrite the profile.</source>
        <translation>从默认值开始，并覆盖配置。</translation>
    </message>
    <message>
        <source>invalid value &apos;%1&apos; for --%2: %3</source>
        <translation>--%2 的值“%1”无效：%3</translation>
    </message>
    <message>
        <source>expected WxH, each side from 1 to %1</source>
        <translation>应为 宽x高，每边 1 到 %1</translation>
    </message>
    <message>
        <source>expected a whole number from 1 to 100000</source>
        <translation>应为 1 到 100000 的整数</translation>
    </message>
    <message>
        <source>expected a number above 0, up to 1000</source>
        <translation>应为大于 0、不超过 1000 的数</translation>
    </message>
    <message>
        <source>--export needs --pattern NAME</source>
        <translation>--export 需要 --pattern NAME</translation>
    </message>
    <message>
        <source>--%1 goes with --export</source>
        <translation>--%1 只能与 --export 一起使用</translation>
    </message>
    <message>
        <source>--%1 goes with --remote</source>
        <translation>--%1 只能与 --remote 一起使用</translation>
    </message>
    <message>
        <source>expected [ADDRESS:]PORT with PORT from 0 to 65535, for example 8080 or 127.0.0.1:8080</source>
        <translation>应为 [地址:]端口，端口 0 到 65535，例如 8080 或 127.0.0.1:8080</translation>
    </message>
    <message>
        <source>use 8 to 256 letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;.&apos; and &apos;~&apos;</source>
        <translation>请使用 8 到 256 个字母、数字、“-”、“_”、“.”和“~”</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>Test patterns for LED display walls: colours, gray levels, contrast, scanning and delay.</source>
        <translation>LED 显示屏测试画面：颜色、灰度、对比度、扫描和延时。</translation>
    </message>
    <message>
        <source>Start with the test-pattern window open, showing NAME (see --list-patterns).</source>
        <translation>启动时打开测试画面窗口，显示 NAME（见 --list-patterns）。</translation>
    </message>
    <message>
        <source>Place the test-pattern window: width x height + x + y; x and y may be negative.</source>
        <translation>放置测试画面窗口：宽 x 高 + x + y；x 和 y 可为负数。</translation>
    </message>
    <message>
        <source>Show the test-pattern window full screen.</source>
        <translation>全屏显示测试画面窗口。</translation>
    </message>
    <message>
        <source>Hide the information text.</source>
        <translation>隐藏画面文字说明。</translation>
    </message>
    <message>
        <source>List every pattern family with its keys and ranges, then exit.</source>
        <translation>列出所有画面类别及其参数和范围，然后退出。</translation>
    </message>
    <message>
        <source>Size of the exported picture (default 1920x1080, up to 16384 on a side).</source>
        <translation>导出图片的大小（默认 1920x1080，每边最多 16384）。</translation>
    </message>
    <message>
        <source>Export N frames of a moving pattern as FILE-0001.png, FILE-0002.png, ...</source>
        <translation>把运动画面导出为 N 帧：FILE-0001.png、FILE-0002.png……</translation>
    </message>
    <message>
        <source>Frames per second of the exported frames (default 60).</source>
        <translation>导出帧的每秒帧数（默认 60）。</translation>
    </message>
    <message>
        <source>Serve the remote-control page and API on PORT, on all addresses or on ADDRESS only.</source>
        <translation>在端口 PORT 上提供遥控网页和 API，监听所有地址或仅 ADDRESS。</translation>
    </message>
    <message>
        <source>The remote control&apos;s access token, instead of the one kept in the profile.</source>
        <translation>遥控的访问令牌，代替配置中保存的令牌。</translation>
    </message>
    <message>
        <source>The folder whose pictures the remote control may show (none by default).</source>
        <translation>遥控可以显示其中图片的文件夹（默认无）。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>expected WxH+X+Y, for example 1920x1080+0+0 or 3840x2160-3840+0</source>
        <translation>应为 宽x高+X+Y，例如 1920x1080+0+0 或 3840x2160-3840+0</translation>
    </message>
    <message>
        <source>use letters, digits, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;, not starting with &apos;.&apos;</source>
        <translation>请使用字母、数字、“-”、“_”和“.”，不能以“.”开头</translation>
    </message>
    <message>
        <source>expected zh or en</source>
        <translation>应为 zh 或 en</translation>
    </message>
    <message>
        <source>Try &apos;walltest --help&apos; for more information.</source>
        <translation>更多信息请运行“walltest --help”。</translation>
    </message>
    <message>
        <source>--export - writes one picture to standard output; --frames needs a file name</source>
        <translation>--export - 只向标准输出写一张图片；--frames 需要文件名</translation>
    </message>
    <message>
        <source>Write the pattern as a PNG file (- for standard output), without any display, then exit.</source>
        <translation>不显示任何窗口，把画面写成 PNG 文件（- 表示标准输出），然后退出。</translation>
    </message>
    <message>
        <source>--output goes with --fullscreen, and without --geometry</source>
        <translation>--output 需与 --fullscreen 一起使用，且不能与 --geometry 同用</translation>
    </message>
    <message>
        <source>With --fullscreen: fill output NAME, as the desktop names it; on Wayland the one way to choose where the window shows.</source>
        <translation>与 --fullscreen 一起：铺满名为 NAME 的输出（按桌面的命名）；在 Wayland 上这是选择窗口显示位置的唯一方式。</translation>
    </message>
    <message>
        <source>expected an instant in UTC such as 2026-12-07T10:00:00Z or 2026-12-07T10:00:00.250Z</source>
        <translation>应为 UTC 时刻，例如 2026-12-07T10:00:00Z 或 2026-12-07T10:00:00.250Z</translation>
    </message>
    <message>
        <source>a %1x%2 part at %3,%4 does not fit inside the %5x%6 canvas</source>
        <translation>位于 %3,%4 的 %1x%2 部分超出了 %5x%6 的画布</translation>
    </message>
    <message>
        <source>This window shows the part of a W x H wall canvas whose top-left corner is at X,Y, at the window&apos;s own size; off forgets a remembered canvas.</source>
        <translation>本窗口按自身大小显示 W x H 大屏画布中左上角位于 X,Y 的部分；off 表示忘记记住的画布。</translation>
    </message>
    <message>
        <source>Export the instant TIME (UTC, for example 2026-12-07T10:00:00Z) of patterns with source=system; frame k is at TIME + k / fps.</source>
        <translation>导出 source=system 画面在时刻 TIME（UTC，例如 2026-12-07T10:00:00Z）的样子；第 k 帧在 TIME + k / fps。</translation>
    </message>
    <message>
        <source>--wall-ca goes with --wall</source>
        <translation>--wall-ca 只能与 --wall 一起使用</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>不是可读的文件</translation>
    </message>
    <message>
        <source>Join a wall group on an MQTT broker, URL being mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME (mqtts:// for TLS); remembered in the profile, off leaves it.</source>
        <translation>加入 MQTT 代理上的拼接组，URL 为 mqtt://[用户:密码@]主机[:端口]/名称（mqtts:// 使用 TLS）；记在配置中，off 表示退出。</translation>
    </message>
    <message>
        <source>With an mqtts:// --wall: trust the broker&apos;s certificate by the CA in FILE instead of the system&apos;s.</source>
        <translation>与 mqtts:// 的 --wall 一起：用 FILE 中的 CA 而不是系统的 CA 验证代理的证书。</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>它是文件夹，不是普通文件</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file (use --export - to write to standard output)</source>
        <translation>它是命名管道，不是普通文件（用 --export - 写到标准输出）</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>它是套接字，不是普通文件</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>它是设备，不是普通文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>无法写入标准输出：%1</translation>
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
        <translation>灰度</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>对比度</translation>
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
        <translation>纯色</translation>
    </message>
    <message>
        <source>背景色灰度改变</source>
        <translation>背景色灰度改变</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;点击测试画面窗口后按空格可隐藏画面文字说明&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>点击测试画面窗口后按空格可隐藏/显示画面文字说明</source>
        <translation>点击测试画面窗口后按空格可隐藏/显示画面文字说明</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>编辑色度条</source>
        <translation>编辑色度条</translation>
    </message>
    <message>
        <source>显示色度条</source>
        <translation>显示色度条</translation>
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
        <translation>自选大小</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>自适应</translation>
    </message>
    <message>
        <source>平铺</source>
        <translation>平铺</translation>
    </message>
    <message>
        <source>常用色度条</source>
        <translation>常用色度条</translation>
    </message>
    <message>
        <source>长</source>
        <translation>长</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>宽</translation>
    </message>
    <message>
        <source>请先在表格中双击选择颜色再设置大小</source>
        <translation>请先在表格中双击选择颜色再设置大小</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>灰度条</source>
        <translation>灰度条</translation>
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
        <translation>自定义</translation>
    </message>
    <message>
        <source>球</source>
        <translation>球</translation>
    </message>
    <message>
        <source>反相</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>每级宽度</source>
        <translation>每级宽度</translation>
    </message>
    <message>
        <source>起始灰度</source>
        <translation>起始灰度</translation>
    </message>
    <message>
        <source>灰度间距</source>
        <translation>灰度间距</translation>
    </message>
    <message>
        <source>彩色+渐变</source>
        <translation>彩色+渐变</translation>
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
        <translation>旋转</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>扫描线</source>
        <translation>扫描线</translation>
    </message>
    <message>
        <source>横线</source>
        <translation>横线</translation>
    </message>
    <message>
        <source>竖线</source>
        <translation>竖线</translation>
    </message>
    <message>
        <source>左斜线</source>
        <translation>左斜线</translation>
    </message>
    <message>
        <source>右斜线</source>
        <translation>右斜线</translation>
    </message>
    <message>
        <source>叠加</source>
        <translation>叠加</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>扫描线色</source>
        <translation>扫描线色</translation>
    </message>
    <message>
        <source>线宽</source>
        <translation>线宽</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>间距</translation>
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
        <translation>方向</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>CHANGE</translation>
    </message>
    <message>
        <source>字符测试</source>
        <translation>字符测试</translation>
    </message>
    <message>
        <source>运动方块</source>
        <translation>运动方块</translation>
    </message>
    <message>
        <source>方块大小</source>
        <translation>方块大小</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>测试内容</source>
        <translation>测试内容</translation>
    </message>
    <message>
        <source>灰度块</source>
        <translation>灰度块</translation>
    </message>
    <message>
        <source>对比度
(亮)</source>
        <translation>对比度
(亮)</translation>
    </message>
    <message>
        <source>对比度
(暗)</source>
        <translation>对比度
(暗)</translation>
    </message>
    <message>
        <source>隐藏文字</source>
        <translation>隐藏文字</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>帧延时</source>
        <translation>帧延时</translation>
    </message>
    <message>
        <source>大屏</source>
        <translation>大屏</translation>
    </message>
    <message>
        <source>箱体</source>
        <translation>箱体</translation>
    </message>
    <message>
        <source>高</source>
        <translation>高</translation>
    </message>
    <message>
        <source>特殊测试画面</source>
        <translation>特殊测试画面</translation>
    </message>
    <message>
        <source>黑底方格圆圈</source>
        <translation>黑底方格圆圈</translation>
    </message>
    <message>
        <source>自定义图片</source>
        <translation>自定义图片</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>原图大小</source>
        <translation>原图大小</translation>
    </message>
    <message>
        <source>适应画面</source>
        <translation>适应画面</translation>
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
        <translation>字符 · 扫描</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>  HEIGHT</source>
        <translation>  HEIGHT</translation>
    </message>
    <message>
        <source>特殊</source>
        <translation>特殊</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>       X</source>
        <translation>       X</translation>
    </message>
    <message>
        <source>色度</source>
        <translation>色度</translation>
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
        <translation>Image Files(*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Other Image Files(%1)</source>
        <translation>其他图片文件(%1)</translation>
    </message>
    <message>
        <source>OpenImage</source>
        <translation>OpenImage</translation>
    </message>
    <message>
        <source>Decoding %1 …</source>
        <translation>正在解码 %1 …</translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>无法显示 %1：%2</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>its content is not a picture in a format this program can read.</source>
        <translation>其内容不是本程序能读取的图片格式。</translation>
    </message>
    <message>
        <source>the picture data is damaged or incomplete.</source>
        <translation>图片数据损坏或不完整。</translation>
    </message>
    <message>
        <source>the picture could not be decoded.</source>
        <translation>无法解码图片。</translation>
    </message>
    <message>
        <source>it is a folder, not a picture.</source>
        <translation>它是文件夹，不是图片。</translation>
    </message>
    <message>
        <source>the file cannot be read (permission denied).</source>
        <translation>无法读取文件（没有权限）。</translation>
    </message>
    <message>
        <source>the file is empty (0 bytes).</source>
        <translation>文件是空的（0 字节）。</translation>
    </message>
    <message>
        <source>Cannot show %1: the picture is %2 × %3 pixels, larger than %4 pixels on a side.</source>
        <translation>无法显示 %1：图片为 %2 × %3 像素，一边超过 %4 像素。</translation>
    </message>
    <message>
        <source>Cannot show %1: the picture is %2 × %3 pixels, more than %4 pixels to decode at its own size; choose &quot;适应画面&quot; to show it fitted to the window.</source>
        <translation>无法显示 %1：图片为 %2 × %3 像素，按原图大小解码超过 %4 像素；请选择“适应画面”，按窗口大小显示。</translation>
    </message>
    <message>
        <source>the JPEG file is incomplete; it ends before the end of the picture.</source>
        <translation>JPEG 文件不完整；在图片结束之前就结束了。</translation>
    </message>
    <message>
        <source>灰度自动变化的速度</source>
        <translation>灰度自动变化的速度</translation>
    </message>
    <message>
        <source>宽</source>
        <comment>cell height</comment>
        <translation>宽</translation>
    </message>
    <message>
        <source>s/pixel</source>
        <translation>s/px</translation>
    </message>
    <message>
        <source>Show the test-pattern window full screen on this output</source>
        <translation>在此输出上全屏显示测试图窗口</translation>
    </message>
    <message>
        <source>Full screen on…</source>
        <translation>全屏于…</translation>
    </message>
    <message>
        <source>Canvas: the window</source>
        <translation>画布：即本窗口</translation>
    </message>
    <message>
        <source>Canvas: %1</source>
        <translation>画布：%1</translation>
    </message>
    <message>
        <source>, window past it</source>
        <translation>，窗口超出画布</translation>
    </message>
    <message>
        <source>Clock: not synchronised</source>
        <translation>时钟：未同步</translation>
    </message>
    <message>
        <source>Clock: synchronised</source>
        <translation>时钟：已同步</translation>
    </message>
    <message>
        <source>Clock: synchronised, ±%1 ms</source>
        <translation>时钟：已同步，±%1 毫秒</translation>
    </message>
    <message>
        <source>The window reaches past its canvas: the base colour shows there.</source>
        <translation>窗口超出了画布：超出部分显示底色。</translation>
    </message>
    <message>
        <source>The computers of one wall show the same frame while their clocks agree (chrony, linuxptp).</source>
        <translation>同一大屏的各台电脑在时钟一致时显示同一帧（chrony、linuxptp）。</translation>
    </message>
    <message>
        <source>Cannot show %1 fitted to the canvas: the canvas is %2 × %3 pixels, more than %4 pixels to scale this picture to.</source>
        <translation>无法把 %1 适应画布显示：画布为 %2 × %3 像素，超过可缩放到的 %4 像素。</translation>
    </message>
    <message>
        <source>no canvas</source>
        <translation>无画布</translation>
    </message>
    <message>
        <source>%1 · clock %2</source>
        <translation>%1 · 时钟 %2</translation>
    </message>
    <message>
        <source>Technician patterns</source>
        <translation>技术员图案</translation>
    </message>
</context>
<context>
    <name>PatternName</name>
    <message>
        <source>WxH with W %1..%2 and H %3..%4</source>
        <translation>宽x高，宽 %1..%2，高 %3..%4</translation>
    </message>
    <message>
        <source>no value, it is a flag</source>
        <translation>不带值，它是开关</translation>
    </message>
    <message>
        <source>#rrggbb or black, white, red, green, blue, cyan, magenta, yellow</source>
        <translation>#rrggbb 或 black、white、red、green、blue、cyan、magenta、yellow</translation>
    </message>
    <message>
        <source>#rrggbb;#rrggbb;... with cols x rows colours, row by row</source>
        <translation>#rrggbb;#rrggbb;……共 列数 x 行数 个颜色，逐行排列</translation>
    </message>
    <message>
        <source>auto or %1</source>
        <translation>auto 或 %1</translation>
    </message>
    <message>
        <source>a file name, to the end of the name</source>
        <translation>文件名，直到名称末尾</translation>
    </message>
    <message>
        <source>bars: preset cannot take %1 (preset is the 7 x 1 table red, green, blue, white, cyan, magenta, yellow; allowed with it: cell, tile, base, gray)</source>
        <translation>bars：preset 不能与 %1 一起使用（preset 是 7 x 1 的表格：红、绿、蓝、白、青、品红、黄；可与它一起用：cell、tile、base、gray）</translation>
    </message>
    <message>
        <source>bars: colors holds %1 colours (allowed: exactly cols x rows = %2)</source>
        <translation>bars：colors 有 %1 个颜色（应正好为 列数 x 行数 = %2）</translation>
    </message>
    <message>
        <source>bars: tile needs a cell size (allowed: tile with cell=WxH; cell=auto always fills the window)</source>
        <translation>bars：tile 需要单元大小（可用：tile 加 cell=宽x高；cell=auto 总是铺满窗口）</translation>
    </message>
    <message>
        <source>allowed: %1</source>
        <translation>可用：%1</translation>
    </message>
    <message>
        <source>%1: empty key in &quot;%2&quot; (%3)</source>
        <translation>%1：“%2”中有空参数（%3）</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot; (%3)</source>
        <translation>%1：未知参数“%2”（%3）</translation>
    </message>
    <message>
        <source>no keys</source>
        <translation>没有参数</translation>
    </message>
    <message>
        <source>%1: key &quot;%2&quot; is given twice%3</source>
        <translation>%1：参数“%2”给了两次%3</translation>
    </message>
    <message>
        <source> (%1 and %2 are the same key)</source>
        <translation>（%1 和 %2 是同一个参数）</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is a flag and takes no value (allowed: %3 alone)</source>
        <translation>%1：“%2”是开关，不带值（可用：只写 %3）</translation>
    </message>
    <message>
        <source>%1: %2 needs a value (allowed: %3)</source>
        <translation>%1：%2 需要一个值（可用：%3）</translation>
    </message>
    <message>
        <source>%1: %2 is not allowed (allowed: %3)</source>
        <translation>%1：不允许 %2（可用：%3）</translation>
    </message>
    <message>
        <source>empty pattern name (%1)</source>
        <translation>画面名称为空（%1）</translation>
    </message>
    <message>
        <source>unknown pattern family &quot;%1&quot; (%2)</source>
        <translation>未知画面类别“%1”（%2）</translation>
    </message>
    <message>
        <source>none or %1</source>
        <translation>none 或 %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>On Wayland the desktop decides where the test-pattern window appears: its position is the compositor&apos;s choice, not the placement. --fullscreen --output NAME fills one output exactly.</source>
        <translation>在 Wayland 上由桌面决定测试图窗口出现的位置：位置由合成器选择，而不是设定的位置。--fullscreen --output NAME 可准确铺满一个输出。</translation>
    </message>
    <message>
        <source>Wayland desktop: running through XWayland, so that the test-pattern window stands exactly where it is placed.</source>
        <translation>Wayland 桌面：通过 XWayland 运行，使测试图窗口准确位于设定的位置。</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>256 gray levels</source>
        <translation>256 级灰度</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Cabinet map</source>
        <translation>箱体图</translation>
    </message>
    <message>
        <source>Character test</source>
        <translation>字符测试</translation>
    </message>
    <message>
        <source>Clock per cabinet</source>
        <translation>每箱体时钟</translation>
    </message>
    <message>
        <source>Colour and gradient chart</source>
        <translation>彩色+渐变</translation>
    </message>
    <message>
        <source>Colour bars and gray</source>
        <translation>色度条和灰度</translation>
    </message>
    <message>
        <source>Colour bars</source>
        <translation>色度条</translation>
    </message>
    <message>
        <source>Contrast, bright</source>
        <translation>对比度（亮）</translation>
    </message>
    <message>
        <source>Contrast, dark</source>
        <translation>对比度（暗）</translation>
    </message>
    <message>
        <source>Delay clock</source>
        <translation>延时时钟</translation>
    </message>
    <message>
        <source>Diagonal scan lines</source>
        <translation>斜扫描线</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Gray 50 %</source>
        <translation>灰 50 %</translation>
    </message>
    <message>
        <source>Gray ramps</source>
        <translation>灰度渐变</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Grid and circles</source>
        <translation>黑底方格圆圈</translation>
    </message>
    <message>
        <source>Horizontal scan lines</source>
        <translation>横扫描线</translation>
    </message>
    <message>
        <source>Information text</source>
        <translation>画面文字说明</translation>
    </message>
    <message>
        <source>Moving square</source>
        <translation>运动方块</translation>
    </message>
    <message>
        <source>One gray ramp</source>
        <translation>单条灰度渐变</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Place the window</source>
        <translation>放置窗口</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Radial gradient</source>
        <translation>径向渐变</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Scan step</source>
        <translation>扫描步进</translation>
    </message>
    <message>
        <source>Scanning and delay</source>
        <translation>扫描和延时</translation>
    </message>
    <message>
        <source>Solid colours</source>
        <translation>纯色</translation>
    </message>
    <message>
        <source>Test-pattern window</source>
        <translation>测试画面窗口</translation>
    </message>
    <message>
        <source>Vertical scan lines</source>
        <translation>竖扫描线</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>height</source>
        <translation>高</translation>
    </message>
    <message>
        <source>walltest remote</source>
        <translation>walltest 遥控</translation>
    </message>
    <message>
        <source>width</source>
        <translation>宽</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3 to %4.</source>
        <translation>%1 %2 超出 %3 到 %4 的范围。</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭提示</translation>
    </message>
    <message>
        <source>Full screen off</source>
        <translation>已退出全屏</translation>
    </message>
    <message>
        <source>Full screen on</source>
        <translation>已全屏</translation>
    </message>
    <message>
        <source>Gray sweep</source>
        <translation>灰度扫描</translation>
    </message>
    <message>
        <source>Information text off</source>
        <translation>信息文字已隐藏</translation>
    </message>
    <message>
        <source>Information text on</source>
        <translation>信息文字已显示</translation>
    </message>
    <message>
        <source>No pictures are shared: start walltest with --pictures FOLDER.</source>
        <translation>没有共享图片：请用 --pictures 文件夹 启动 walltest。</translation>
    </message>
    <message>
        <source>Press Q on the test-pattern window: it shows a QR code that opens this page signed in.</source>
        <translation>在测试画面窗口上按 Q：它会显示一个二维码，扫描后直接登录打开本页。</translation>
    </message>
    <message>
        <source>Scan lines stepped</source>
        <translation>扫描线已步进</translation>
    </message>
    <message>
        <source>Scan lines</source>
        <translation>扫描线</translation>
    </message>
    <message>
        <source>Scan step moves scan lines: show a scan-line pattern first.</source>
        <translation>扫描步进只移动扫描线：请先显示扫描线画面。</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>已发送：</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>The token is missing or wrong. Type the token walltest printed, or press Q on the test-pattern window and scan the code.</source>
        <translation>令牌缺失或错误。请输入 walltest 打印的令牌，或在测试画面窗口上按 Q 并扫描二维码。</translation>
    </message>
    <message>
        <source>There is no such picture in the pictures folder:</source>
        <translation>图片文件夹中没有这张图片：</translation>
    </message>
    <message>
        <source>This file is not a picture walltest can read:</source>
        <translation>这个文件不是 walltest 能读取的图片：</translation>
    </message>
    <message>
        <source>This picture is outside the pictures folder:</source>
        <translation>这张图片不在图片文件夹中：</translation>
    </message>
    <message>
        <source>Token</source>
        <translation>令牌</translation>
    </message>
    <message>
        <source>Window hidden</source>
        <translation>窗口已隐藏</translation>
    </message>
    <message>
        <source>Window placed</source>
        <translation>窗口已放置</translation>
    </message>
    <message>
        <source>Window shown</source>
        <translation>窗口已显示</translation>
    </message>
    <message>
        <source>walltest cannot use this value.</source>
        <translation>walltest 无法使用这个值。</translation>
    </message>
    <message>
        <source>walltest does not answer. Is the program still running, and the phone on its network?</source>
        <translation>walltest 没有响应。程序是否仍在运行，手机是否在同一网络中？</translation>
    </message>
    <message>
        <source>walltest is closing.</source>
        <translation>walltest 正在关闭。</translation>
    </message>
    <message>
        <source>walltest refused this:</source>
        <translation>walltest 拒绝了：</translation>
    </message>
    <message>
        <source>Not every picture is listed: the list stops at 1000 pictures and 4 folders deep.</source>
        <translation>没有列出全部图片：列表最多 1000 张图片、4 层文件夹。</translation>
    </message>
    <message>
        <source>This device holds too many connections to walltest; try again in a moment.</source>
        <translation>这台设备与 walltest 的连接太多；请稍后再试。</translation>
    </message>
    <message>
        <source>%1 redraws/s, longest gap %2 ms, screen %3 Hz</source>
        <translation>每秒重绘 %1 次，最长间隔 %2 毫秒，屏幕 %3 Hz</translation>
    </message>
    <message>
        <source>Redraw figures hidden</source>
        <translation>已隐藏重绘数据</translation>
    </message>
    <message>
        <source>Redraw figures shown</source>
        <translation>已显示重绘数据</translation>
    </message>
    <message>
        <source>Redraws per second</source>
        <translation>每秒重绘次数</translation>
    </message>
    <message>
        <source>Full screen on %1</source>
        <translation>已在 %1 上全屏</translation>
    </message>
    <message>
        <source>Canvas: %1</source>
        <translation>画布：%1</translation>
    </message>
    <message>
        <source>Canvas: the window</source>
        <translation>画布：即本窗口</translation>
    </message>
    <message>
        <source>Clock not synchronised</source>
        <translation>时钟未同步</translation>
    </message>
    <message>
        <source>Clock synchronised, ±%1 ms</source>
        <translation>时钟已同步，±%1 毫秒</translation>
    </message>
    <message>
        <source>the window reaches past its canvas</source>
        <translation>窗口超出了画布</translation>
    </message>
    <message>
        <source>Broker connected</source>
        <translation>已连接代理</translation>
    </message>
    <message>
        <source>No broker: this computer runs alone and keeps looking</source>
        <translation>没有代理：本机单独运行，并继续寻找</translation>
    </message>
    <message>
        <source>Wall group</source>
        <translation>拼接组</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>Checkerboard 1 × 1</source>
        <translation>棋盘格 1 × 1</translation>
    </message>
    <message>
        <source>Checkerboard per cabinet</source>
        <translation>每箱体一格的棋盘格</translation>
    </message>
    <message>
        <source>Finding faults</source>
        <translation>查找故障</translation>
    </message>
    <message>
        <source>Frame ticker</source>
        <translation>帧计数条</translation>
    </message>
    <message>
        <source>Identify this output</source>
        <translation>识别此输出</translation>
    </message>
    <message>
        <source>Pixel walk</source>
        <translation>逐点扫描</translation>
    </message>
    <message>
        <source>Zone plate</source>
        <translation>波带片</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Remote control: %1</source>
        <translation>遥控：%1</translation>
    </message>
    <message>
        <source>the address is not available</source>
        <translation>该地址不可用</translation>
    </message>
    <message>
        <source>cannot open the remote control on %1:%2: %3</source>
        <translation>无法在 %1:%2 上打开遥控：%3</translation>
    </message>
</context>
<context>
    <name>TechnicianPage</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ 返回</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>棋盘格</translation>
    </message>
    <message>
        <source>Zone plate</source>
        <translation>波带片</translation>
    </message>
    <message>
        <source>Pixel walk</source>
        <translation>逐点扫描</translation>
    </message>
    <message>
        <source>Frame ticker</source>
        <translation>帧计数条</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>识别输出</translation>
    </message>
    <message>
        <source>Cell / cabinet</source>
        <translation>格子 / 箱体</translation>
    </message>
    <message>
        <source>Ticker over the whole canvas</source>
        <translation>计数条横跨整个画布</translation>
    </message>
    <message>
        <source>Zone plate k</source>
        <translation>波带片 k</translation>
    </message>
    <message>
        <source>Steps per second</source>
        <translation>每秒步数</translation>
    </message>
    <message>
        <source>Red, green and blue apart</source>
        <translation>红绿蓝分别点亮</translation>
    </message>
    <message>
        <source>Frames per second</source>
        <translation>每秒帧数</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>屏幕</translation>
    </message>
    <message>
        <source>Computer&apos;s clock (UTC)</source>
        <translation>计算机时钟（UTC）</translation>
    </message>
</context>
<context>
    <name>WallCanvas</name>
    <message>
        <source>the canvas &quot;%1&quot; is not WxH+X+Y</source>
        <translation>画布“%1”不是 宽x高+X+Y 的形式</translation>
    </message>
    <message>
        <source>the canvas&apos;s width and height must be 1 to %1</source>
        <translation>画布的宽和高必须在 1 到 %1 之间</translation>
    </message>
    <message>
        <source>the corner %1,%2 lies outside the %3x%4 canvas</source>
        <translation>左上角 %1,%2 在 %3x%4 的画布之外</translation>
    </message>
</context>
<context>
    <name>WallControl</name>
    <message>
        <source>walltest: the window at %1 lies off the desktop; moved to %2</source>
        <translation>walltest：位于 %1 的窗口在桌面之外；已移到 %2</translation>
    </message>
    <message>
        <source>walltest: the window at %1 lies partly off the desktop; only %2 of it shows</source>
        <translation>walltest：位于 %1 的窗口部分在桌面之外；只显示其中的 %2</translation>
    </message>
    <message>
        <source>no output is called &apos;%1&apos;: the outputs are %2</source>
        <translation>没有名为“%1”的输出：现有的输出为 %2</translation>
    </message>
    <message>
        <source>a %1x%2 window at %3,%4 does not fit inside the %5x%6 canvas</source>
        <translation>位于 %3,%4 的 %1x%2 窗口超出了 %5x%6 的画布</translation>
    </message>
</context>
<context>
    <name>WallGroup</name>
    <message>
        <source>over %1 bytes</source>
        <translation>超过 %1 字节</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>不是 JSON 对象</translation>
    </message>
    <message>
        <source>a wrong or missing &quot;v&quot; (this version reads 1)</source>
        <translation>“v”错误或缺失（本版本读取 1）</translation>
    </message>
    <message>
        <source>&quot;time&quot; must be whole milliseconds since 1970</source>
        <translation>“time”必须是自 1970 年起的整毫秒数</translation>
    </message>
    <message>
        <source>&quot;member&quot; must be 1 to 64 of A-Z a-z 0-9 _ -</source>
        <translation>“member”必须是 1 到 64 个 A-Z a-z 0-9 _ -</translation>
    </message>
    <message>
        <source>no picture file &quot;%1&quot; on this computer</source>
        <translation>本机上没有图片文件“%1”</translation>
    </message>
    <message>
        <source>a topic this version does not know</source>
        <translation>本版本不认识的主题</translation>
    </message>
    <message>
        <source>&quot;value&quot; must be a pattern name</source>
        <translation>“value”必须是画面名称</translation>
    </message>
    <message>
        <source>&quot;value&quot; must be true or false</source>
        <translation>“value”必须是 true 或 false</translation>
    </message>
    <message>
        <source>stamped %1 s ahead of this computer&apos;s clock</source>
        <translation>时间戳比本机时钟超前 %1 秒</translation>
    </message>
    <message>
        <source>not a member&apos;s announcement</source>
        <translation>不是成员的通告</translation>
    </message>
    <message>
        <source>cannot make an MQTT client</source>
        <translation>无法创建 MQTT 客户端</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>无法设置 TLS：%1</translation>
    </message>
    <message>
        <source>wall group %1: %2</source>
        <translation>拼接组 %1：%2</translation>
    </message>
    <message>
        <source>wall group %1: the broker at %2 refused: %3</source>
        <translation>拼接组 %1：位于 %2 的代理拒绝了连接：%3</translation>
    </message>
    <message>
        <source>wall group %1: no broker at %2; running alone and retrying</source>
        <translation>拼接组 %1：%2 上没有代理；单独运行并重试</translation>
    </message>
    <message>
        <source>wall group %1: ignored a message on %2: %3</source>
        <translation>拼接组 %1：忽略了 %2 上的一条消息：%3</translation>
    </message>
    <message>
        <source>wall group %1: connected to the broker at %2</source>
        <translation>拼接组 %1：已连接到位于 %2 的代理</translation>
    </message>
    <message>
        <source>wall group %1: lost the broker at %2; running alone and retrying</source>
        <translation>拼接组 %1：与位于 %2 的代理断开；单独运行并重试</translation>
    </message>
    <message>
        <source>Wall group %1: no broker, running alone</source>
        <translation>拼接组 %1：没有代理，单独运行</translation>
    </message>
    <message>
        <source>Wall group %1: %2 of %3 members online</source>
        <translation>拼接组 %1：%3 台中 %2 台在线</translation>
    </message>
    <message>
        <source>the profile&apos;s wall group %1 cannot be used: %2</source>
        <translation>配置中的拼接组 %1 无法使用：%2</translation>
    </message>
    <message>
        <source>expected HOST or HOST:PORT after the scheme</source>
        <translation>协议之后应为 主机 或 主机:端口</translation>
    </message>
    <message>
        <source>the port must be from 1 to 65535</source>
        <translation>端口必须在 1 到 65535 之间</translation>
    </message>
    <message>
        <source>expected mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME, mqtts://... or off</source>
        <translation>应为 mqtt://[用户:密码@]主机[:端口]/名称、mqtts://... 或 off</translation>
    </message>
    <message>
        <source>the group&apos;s NAME, after the last &apos;/&apos;, must be 1 to 64 of A-Z a-z 0-9 _ -</source>
        <translation>最后一个“/”之后的组名称必须是 1 到 64 个 A-Z a-z 0-9 _ -</translation>
    </message>
    <message>
        <source>a user name must come before &apos;:&apos; and &apos;@&apos;</source>
        <translation>“:”和“@”之前必须有用户名</translation>
    </message>
</context>
<context>
    <name>WallProfile</name>
    <message>
        <source>walltest: profile %1: %2; using the default</source>
        <translation>walltest：配置 %1：%2；使用默认值</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from %2 to %3</source>
        <translation>“%1”不是 %2 到 %3 的整数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither true nor false</source>
        <translation>“%1”既不是 true 也不是 false</translation>
    </message>
    <message>
        <source>%1 colours where %2 are needed</source>
        <translation>有 %1 个颜色，需要 %2 个</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour</source>
        <translation>“%1”不是颜色</translation>
    </message>
    <message>
        <source>walltest: cannot read the profile %1; using the defaults</source>
        <translation>walltest：无法读取配置 %1；使用默认值</translation>
    </message>
    <message>
        <source>walltest: profile %1: damaged lines skipped</source>
        <translation>walltest：配置 %1：已跳过损坏的行</translation>
    </message>
    <message>
        <source>no file &quot;%1&quot;</source>
        <translation>没有文件“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither zh nor en</source>
        <translation>“%1”既不是 zh 也不是 en</translation>
    </message>
    <message>
        <source>walltest: cannot write the profile %1; nothing set in this run will be remembered</source>
        <translation>walltest：无法写入配置 %1；本次运行的设置都不会被记住</translation>
    </message>
    <message>
        <source>walltest: the profile %1 is unreadable; set aside as %2, starting from the defaults</source>
        <translation>walltest：配置 %1 无法读取；已另存为 %2，使用默认值</translation>
    </message>
    <message>
        <source>walltest: the profile %1 is unreadable; starting from the defaults</source>
        <translation>walltest：配置 %1 无法读取；使用默认值</translation>
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
        <translation>每秒重绘 %1 次
最长间隔 %2 毫秒
屏幕 %3 Hz</translation>
    </message>
</context>
</TS>
