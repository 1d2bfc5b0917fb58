<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>このプログラムについて</source>
        <translation>About ORBIT RAVEN</translation>
    </message>
    <message>
        <source>プログラムに関する情報です</source>
        <translation>Information about this program.</translation>
    </message>
    <message>
        <source>確認(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>このウィンドウを閉じます</source>
        <translation>Close this window.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>予期しないエラーが発生しました</source>
        <translation>An unexpected error has occurred</translation>
    </message>
</context>
<context>
    <name>Bitmap</name>
    <message>
        <source>画像を読み込めません: {0}</source>
        <translation>Could not load the image {0}.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>{0}: 言語 &apos;{1}&apos; の表示はありません。日本語で表示します</source>
        <translation>{0}: language &apos;{1}&apos; is not available; showing Japanese</translation>
    </message>
    <message>
        <source>使い方: {0} [オプション]...</source>
        <translation>Usage: {0} [OPTION]...</translation>
    </message>
    <message>
        <source>自機が止まらない、小さなシューティングゲームです。</source>
        <translation>A small arcade shooter where your ship never stops.</translation>
    </message>
    <message>
        <source>このヘルプを表示して終了する</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>バージョンを表示して終了する</source>
        <translation>show the version and exit</translation>
    </message>
    <message>
        <source>メニュー・ダイアログ・メッセージを日本語か英語で表示する</source>
        <translation>show menus, dialogs and messages in Japanese or English</translation>
    </message>
    <message>
        <source>タイトルバーをゲームが描く (own) か、デスクトップに任せる (desktop) か</source>
        <translation>who draws the title bars: the game (own) or the desktop</translation>
    </message>
    <message>
        <source>{0}: &apos;{1}&apos; は認識できないオプションです</source>
        <translation>{0}: unrecognized option &apos;{1}&apos;</translation>
    </message>
    <message>
        <source>{0}: 無効なオプション &apos;{1}&apos; です</source>
        <translation>{0}: invalid option &apos;{1}&apos;</translation>
    </message>
    <message>
        <source>{0}: オプション &apos;{1}&apos; は引数を取りません</source>
        <translation>{0}: option &apos;{1}&apos; doesn&apos;t allow an argument</translation>
    </message>
    <message>
        <source>{0}: オプション &apos;{1}&apos; には引数 ({2}) が必要です</source>
        <translation>{0}: option &apos;{1}&apos; requires an argument ({2})</translation>
    </message>
    <message>
        <source>{0}: &apos;{2}&apos; の引数 &apos;{1}&apos; は無効です ({3})</source>
        <translation>{0}: invalid argument &apos;{1}&apos; for &apos;{2}&apos; ({3})</translation>
    </message>
    <message>
        <source>{0}: 余分な引数 &apos;{1}&apos; があります</source>
        <translation>{0}: unexpected argument &apos;{1}&apos;</translation>
    </message>
    <message>
        <source>{0}: ディスプレイが見つかりません。このゲームにはグラフィカルセッション (X11 または Wayland) が必要です</source>
        <translation>{0}: no display found; the game needs a graphical session (X11 or Wayland)</translation>
    </message>
</context>
<context>
    <name>ConfigForms</name>
    <message>
        <source>決定(&amp;S)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>今回の設定変更を有効にします。</source>
        <translation>Keep the changes and close this window.</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>今回の変更内容を取り消します。</source>
        <translation>Undo the changes and close this window.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>スクロールバーの範囲が正しくありません（最大値が最小値より小さい）</source>
        <translation>The scroll bar&apos;s range is invalid: its maximum is less than its minimum.</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>無効なクラス型キャストです</source>
        <translation>Invalid type conversion.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ファイルを作成できません: {0} ({1})</source>
        <translation>Could not create {0}: {1}</translation>
    </message>
    <message>
        <source>ファイルを開けません: {0} ({1})</source>
        <translation>Could not open {0}: {1}</translation>
    </message>
    <message>
        <source>ファイルを読めません: {0} ({1})</source>
        <translation>Could not read {0}: {1}</translation>
    </message>
    <message>
        <source>ファイルに書き込めません: {0} ({1})</source>
        <translation>Could not write to {0}: {1}</translation>
    </message>
    <message>
        <source>ファイルを置き換えられません: {0} ({1})</source>
        <translation>Could not replace {0}: {1}</translation>
    </message>
    <message>
        <source>通常のファイルではありません: {0}</source>
        <translation>{0} is not a regular file.</translation>
    </message>
    <message>
        <source>フォルダを作成できません: {0} ({1})</source>
        <translation>Cannot create the folder: {0} ({1})</translation>
    </message>
</context>
<context>
    <name>GameConfig</name>
    <message>
        <source>ゲーム設定</source>
        <translation>Game Settings</translation>
    </message>
    <message>
        <source>音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound Effects</translation>
    </message>
    <message>
        <source>ゲーム中の効果音について設定します。</source>
        <translation>Settings for the sounds played during a game.</translation>
    </message>
    <message>
        <source>鳴らす</source>
        <translation>Play sound effects</translation>
    </message>
    <message>
        <source>チェックすると効果音を鳴らします。</source>
        <translation>Play the laser and explosion sounds during a game.</translation>
    </message>
    <message>
        <source>レーザ発射音を鳴らす</source>
        <translation>Play the laser sound</translation>
    </message>
    <message>
        <source>このチェックをはずすと、レーザ発射音のみ鳴らさなくなります。</source>
        <translation>Clear this box to silence the laser and keep the explosions.</translation>
    </message>
</context>
<context>
    <name>ImageBox</name>
    <message>
        <source>指定可能範囲は1～{0}です</source>
        <translation>The value must be between 1 and {0}.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>ハイスコアを消去しますか？</source>
        <translation>Clear the high score?</translation>
    </message>
    <message>
        <source>消去します</source>
        <translation>Set the high score back to 0.</translation>
    </message>
    <message>
        <source>消去しません</source>
        <translation>Keep the high score.</translation>
    </message>
    <message>
        <source>プログラムを終了します</source>
        <translation>Quit ORBIT RAVEN?</translation>
    </message>
    <message>
        <source>終了します</source>
        <translation>Quit the game.</translation>
    </message>
    <message>
        <source>終了しません</source>
        <translation>Go back to the game.</translation>
    </message>
    <message>
        <source>INIファイルが違います</source>
        <translation>This settings file belongs to another program.</translation>
    </message>
    <message>
        <source>操作説明書 {0} を開けませんでした。
テキストエディタなどで直接開いてください。</source>
        <translation>Could not open the manual {0}.
Open the file in a text editor instead.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>[開始(&amp;S)]</source>
        <translation>[&amp;Start]</translation>
    </message>
    <message>
        <source>[一時停止(&amp;P)]</source>
        <translation>[&amp;Pause]</translation>
    </message>
    <message>
        <source>速度(&amp;T)</source>
        <translation>Spee&amp;d</translation>
    </message>
    <message>
        <source>速い(&amp;F)</source>
        <translation>&amp;Fast</translation>
    </message>
    <message>
        <source>普通(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>遅い(&amp;S)</source>
        <translation>&amp;Slow</translation>
    </message>
    <message>
        <source>設定(&amp;C)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>ハイスコアを消去(&amp;H)</source>
        <translation>Clear &amp;High Score</translation>
    </message>
    <message>
        <source>ゲーム設定(&amp;G)...</source>
        <translation>&amp;Game Settings...</translation>
    </message>
    <message>
        <source>システム設定(&amp;S)...</source>
        <translation>&amp;System Settings...</translation>
    </message>
    <message>
        <source>情報(&amp;I)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>このプログラムについて(&amp;A)...</source>
        <translation>&amp;About ORBIT RAVEN</translation>
    </message>
    <message>
        <source>操作説明書（&amp;M)...</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>タイトルに戻る(&amp;T)</source>
        <translation>Back to &amp;Title Screen</translation>
    </message>
    <message>
        <source>プログラムを終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>{0} ﾘｿｰｽが見つかりません</source>
        <translation>Could not find the resource {0}.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>&apos;{0}&apos; は整数ではありません</source>
        <translation>&apos;{0}&apos; is not a whole number.</translation>
    </message>
    <message>
        <source>{0} は空です</source>
        <translation>{0} is empty.</translation>
    </message>
    <message>
        <source>{0} に設定として読める行がありません</source>
        <translation>{0} contains no settings that can be read.</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めませんでした。</source>
        <translation>Could not read the settings file.</translation>
    </message>
    <message>
        <source>既定の設定で始めます。</source>
        <translation>Starting with the default settings.</translation>
    </message>
    <message>
        <source>{0} の設定で始めます。</source>
        <translation>Starting with the settings from {0}.</translation>
    </message>
    <message>
        <source>{0} は読み込めなかったため、上書きしません。</source>
        <translation>{0} could not be read, so it will not be overwritten.</translation>
    </message>
    <message>
        <source>設定ファイル {0} を保存できませんでした。
これまでのファイルは変更されていません。

{1}</source>
        <translation>Could not save the settings file {0}.
The previous file has not been changed.

{1}</translation>
    </message>
    <message>
        <source>設定ファイル {0} に使えない値があります。</source>
        <translation>The settings file {0} has values that cannot be used.</translation>
    </message>
    <message>
        <source>[{0}] {1}={2} は整数ではありません。{3} を使います。</source>
        <translation>[{0}] {1}={2} is not an integer. Using {3}.</translation>
    </message>
    <message>
        <source>[{0}] {1}={2} は大きすぎて扱えない整数です。{3} を使います。</source>
        <translation>[{0}] {1}={2} is an integer too large to use. Using {3}.</translation>
    </message>
    <message>
        <source>[{0}] {1}={2} は {4} 以上でなければなりません。{3} を使います。</source>
        <translation>[{0}] {1}={2} must be {4} or more. Using {3}.</translation>
    </message>
    <message>
        <source>元の値は {0} に残ります。</source>
        <translation>The old values stay in {0}.</translation>
    </message>
    <message>
        <source>{0} は保存するときに {1} として残します。</source>
        <translation>When the settings are saved, {0} is kept as {1}.</translation>
    </message>
    <message>
        <source>{0} はすでに起動していて、同じ設定ファイルを使っています。
{1}

どちらも設定を保存するため、後から保存したほうの設定が残ります。</source>
        <translation>{0} is already running and uses the same settings file.
{1}

Both copies save their settings, so the settings of the copy that saves last are kept.</translation>
    </message>
    <message>
        <source>{0} がほかにも起動していて同じ設定ファイルを使っているかどうか、確かめられません。
{1}

同じ設定ファイルを使っているときは、後から保存したほうの設定が残ります。</source>
        <translation>Cannot tell whether another copy of {0} is running and using the same settings file.
{1}

If one is, the settings of the copy that saves last are kept.</translation>
    </message>
    <message>
        <source>設定ファイル {0} を保存できませんでした。

{1}</source>
        <translation>The settings file {0} could not be saved.

{1}</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>レーザー</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>敵の爆発</source>
        <translation>Enemy explosion</translation>
    </message>
    <message>
        <source>自機の爆発</source>
        <translation>Ship explosion</translation>
    </message>
</context>
<context>
    <name>SystemConfig</name>
    <message>
        <source>システム設定</source>
        <translation>System Settings</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バルーンヘルプ</source>
        <translation>Tooltips</translation>
    </message>
    <message>
        <source>このメッセージのような簡易ヘルプ（バルーンヘルプ）について設定します。</source>
        <translation>Settings for tooltips, the short help texts like this one.</translation>
    </message>
    <message>
        <source>表示する</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>チェックするとバルーンヘルプを表示します。</source>
        <translation>Show a tooltip when the mouse pointer rests on a control.</translation>
    </message>
    <message>
        <source>表示するまでの時間</source>
        <translation>Delay (ms)</translation>
    </message>
    <message>
        <source>バルーンヘルプを表示するまでの待ち時間（ミリ秒）です。</source>
        <translation>How long the pointer must rest before a tooltip appears, in milliseconds.</translation>
    </message>
    <message>
        <source>表示時間</source>
        <translation>Duration (ms)</translation>
    </message>
    <message>
        <source>バルーンヘルプを表示している時間（ミリ秒）です。</source>
        <translation>How long a tooltip stays on the screen, in milliseconds.</translation>
    </message>
    <message>
        <source>マウス</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>マウスカーソルの自動移動</source>
        <translation>Automatic Pointer Movement</translation>
    </message>
    <message>
        <source>ウィンドウを開いたり閉じたりした際、マウスカーソルを前回位置やボタン上などに自動移動します。</source>
        <translation>When a window opens or closes, the pointer moves by itself onto a button or back to where it was.</translation>
    </message>
    <message>
        <source>自動移動する</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>チェックすると自動移動を行います。</source>
        <translation>Move the pointer automatically when a window opens or closes.</translation>
    </message>
    <message>
        <source>移動速度</source>
        <translation>Step size (px)</translation>
    </message>
    <message>
        <source>自動移動時のカーソルの移動速度(大きいほど高速)です。</source>
        <translation>How far the pointer moves every 10 ms, in pixels. Larger is faster.</translation>
    </message>
    <message>
        <source>最長移動時間</source>
        <translation>Max. steps</translation>
    </message>
    <message>
        <source>自動移動に要する時間の上限.（大きいほど長い）です。これを超える場合は高速移動します。</source>
        <translation>A move takes at most this many steps of 10 ms (100 is one second); longer distances use bigger steps.</translation>
    </message>
    <message>
        <source>初期設定に戻す</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>この枠内の内容をすべて初期設定に戻します。</source>
        <translation>Restore the default values of this group.</translation>
    </message>
</context>
<context>
    <name>WavePlayer</name>
    <message>
        <source>ファイルを開けません: {0}</source>
        <translation>Could not open {0}.</translation>
    </message>
    <message>
        <source>ファイルを読めません: {0}</source>
        <translation>Could not read {0}.</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>EntryMaxの値は1以上HashSize以下にしてください</source>
        <translation>EntryMax must be at least 1 and at most HashSize</translation>
    </message>
    <message>
        <source>HashSizeの値はEntryMax以上にしてください</source>
        <translation>HashSize must be at least EntryMax</translation>
    </message>
    <message>
        <source>HashSizeの値は{0}以下にしてください</source>
        <translation>HashSize must be at most {0}</translation>
    </message>
</context>
<context>
    <name>YesNoDialog</name>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>実行しますか？</source>
        <translation>Do you want to continue?</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>実行します</source>
        <translation>Carry out the action.</translation>
    </message>
    <message>
        <source>実行しません</source>
        <translation>Cancel the action.</translation>
    </message>
</context>
</TS>
