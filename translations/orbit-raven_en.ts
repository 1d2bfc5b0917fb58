<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>このプログラムについて</source>
        <translation>About this program</translation>
    </message>
    <message>
        <source>プログラムに関する情報です</source>
        <translation>Information about the program</translation>
    </message>
    <message>
        <source>確認(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>このウィンドウを閉じます</source>
        <translation>Closes this window</translation>
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
        <translation>Cannot read the picture: {0}</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>{0}: 言語 &apos;{1}&apos; の表示はありません。日本語で表示します</source>
        <translation>{0}: no texts in the language &apos;{1}&apos;; showing Japanese</translation>
    </message>
</context>
<context>
    <name>ConfigForms</name>
    <message>
        <source>決定(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>今回の設定変更を有効にします。</source>
        <translation>Puts these changes into effect.</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>今回の変更内容を取り消します。</source>
        <translation>Discards these changes.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>スクロールバーの範囲が正しくありません（最大値が最小値より小さい）</source>
        <translation>The scroll bar&apos;s range is wrong (its maximum is below its minimum)</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>無効なクラス型キャストです</source>
        <translation>Invalid class type cast</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ファイルを作成できません: {0} ({1})</source>
        <translation>Cannot create the file: {0} ({1})</translation>
    </message>
    <message>
        <source>ファイルを開けません: {0} ({1})</source>
        <translation>Cannot open the file: {0} ({1})</translation>
    </message>
    <message>
        <source>ファイルを読めません: {0} ({1})</source>
        <translation>Cannot read the file: {0} ({1})</translation>
    </message>
    <message>
        <source>ファイルに書き込めません: {0} ({1})</source>
        <translation>Cannot write to the file: {0} ({1})</translation>
    </message>
    <message>
        <source>ファイルを置き換えられません: {0} ({1})</source>
        <translation>Cannot replace the file: {0} ({1})</translation>
    </message>
    <message>
        <source>通常のファイルではありません: {0}</source>
        <translation>Not a regular file: {0}</translation>
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
        <translation>Game settings</translation>
    </message>
    <message>
        <source>音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>ゲーム中の効果音について設定します。</source>
        <translation>Settings for the sound effects during the game.</translation>
    </message>
    <message>
        <source>鳴らす</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>チェックすると効果音を鳴らします。</source>
        <translation>When checked, sound effects are played.</translation>
    </message>
    <message>
        <source>レーザ発射音を鳴らす</source>
        <translation>Play the laser sound</translation>
    </message>
    <message>
        <source>このチェックをはずすと、レーザ発射音のみ鳴らさなくなります。</source>
        <translation>Uncheck to silence the laser sound alone.</translation>
    </message>
</context>
<context>
    <name>ImageBox</name>
    <message>
        <source>指定可能範囲は1～{0}です</source>
        <translation>The allowed range is 1 to {0}</translation>
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
        <translation>Clears it</translation>
    </message>
    <message>
        <source>消去しません</source>
        <translation>Keeps it</translation>
    </message>
    <message>
        <source>プログラムを終了します</source>
        <translation>Quit the program?</translation>
    </message>
    <message>
        <source>終了します</source>
        <translation>Quits</translation>
    </message>
    <message>
        <source>終了しません</source>
        <translation>Goes on playing</translation>
    </message>
    <message>
        <source>INIファイルが違います</source>
        <translation>The INI file belongs to another program</translation>
    </message>
    <message>
        <source>操作説明書 {0} を開けませんでした。
テキストエディタなどで直接開いてください。</source>
        <translation>The manual {0} could not be opened.
Open it directly, for example in a text editor.</translation>
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
        <translation>Clear the &amp;high score</translation>
    </message>
    <message>
        <source>ゲーム設定(&amp;G)...</source>
        <translation>&amp;Game settings...</translation>
    </message>
    <message>
        <source>システム設定(&amp;S)...</source>
        <translation>&amp;System settings...</translation>
    </message>
    <message>
        <source>情報(&amp;I)</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>このプログラムについて(&amp;A)...</source>
        <translation>&amp;About this program...</translation>
    </message>
    <message>
        <source>操作説明書（&amp;M)...</source>
        <translation>&amp;Manual...</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>タイトルに戻る(&amp;T)</source>
        <translation>Back to the &amp;title</translation>
    </message>
    <message>
        <source>プログラムを終了(&amp;Q)</source>
        <translation>&amp;Quit the program</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>{0} ﾘｿｰｽが見つかりません</source>
        <translation>Resource {0} not found</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>&apos;{0}&apos; は整数ではありません</source>
        <translation>&apos;{0}&apos; is not an integer</translation>
    </message>
    <message>
        <source>{0} は空です</source>
        <translation>{0} is empty</translation>
    </message>
    <message>
        <source>{0} に設定として読める行がありません</source>
        <translation>{0} has no line that reads as a setting</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めませんでした。</source>
        <translation>The settings file could not be read.</translation>
    </message>
    <message>
        <source>既定の設定で始めます。</source>
        <translation>Starting with the default settings.</translation>
    </message>
    <message>
        <source>{0} の設定で始めます。</source>
        <translation>Starting with the settings in {0}.</translation>
    </message>
    <message>
        <source>{0} は読み込めなかったため、上書きしません。</source>
        <translation>{0} could not be read, so it is not overwritten.</translation>
    </message>
    <message>
        <source>設定ファイル {0} を保存できませんでした。
これまでのファイルは変更されていません。

{1}</source>
        <translation>The settings file {0} could not be saved.
The file as it was has not been changed.

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
    <name>SystemConfig</name>
    <message>
        <source>システム設定</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バルーンヘルプ</source>
        <translation>Balloon help</translation>
    </message>
    <message>
        <source>このメッセージのような簡易ヘルプ（バルーンヘルプ）について設定します。</source>
        <translation>Settings for short help like this message (balloon help).</translation>
    </message>
    <message>
        <source>表示する</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>チェックするとバルーンヘルプを表示します。</source>
        <translation>When checked, balloon help is shown.</translation>
    </message>
    <message>
        <source>表示するまでの時間</source>
        <translation>Wait before shown</translation>
    </message>
    <message>
        <source>バルーンヘルプを表示するまでの待ち時間（ミリ秒）です。</source>
        <translation>How long balloon help waits before it shows (milliseconds).</translation>
    </message>
    <message>
        <source>表示時間</source>
        <translation>Time shown</translation>
    </message>
    <message>
        <source>バルーンヘルプを表示している時間（ミリ秒）です。</source>
        <translation>How long balloon help stays shown (milliseconds).</translation>
    </message>
    <message>
        <source>マウス</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>マウスカーソルの自動移動</source>
        <translation>Mouse cursor jump</translation>
    </message>
    <message>
        <source>ウィンドウを開いたり閉じたりした際、マウスカーソルを前回位置やボタン上などに自動移動します。</source>
        <translation>When a window opens or closes, the mouse cursor moves by itself to where it was before, onto a button and so on.</translation>
    </message>
    <message>
        <source>自動移動する</source>
        <translation>Move by itself</translation>
    </message>
    <message>
        <source>チェックすると自動移動を行います。</source>
        <translation>When checked, the cursor moves by itself.</translation>
    </message>
    <message>
        <source>移動速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>自動移動時のカーソルの移動速度(大きいほど高速)です。</source>
        <translation>How fast the cursor moves by itself (larger is faster).</translation>
    </message>
    <message>
        <source>最長移動時間</source>
        <translation>Longest move</translation>
    </message>
    <message>
        <source>自動移動に要する時間の上限.（大きいほど長い）です。これを超える場合は高速移動します。</source>
        <translation>The longest a move may take (larger is longer). A move that would take longer goes faster.</translation>
    </message>
    <message>
        <source>初期設定に戻す</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>この枠内の内容をすべて初期設定に戻します。</source>
        <translation>Puts everything in this frame back to its defaults.</translation>
    </message>
</context>
<context>
    <name>WavePlayer</name>
    <message>
        <source>ファイルを開けません: {0}</source>
        <translation>Cannot open the file: {0}</translation>
    </message>
    <message>
        <source>ファイルを読めません: {0}</source>
        <translation>Cannot read the file: {0}</translation>
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
        <translation>Go ahead?</translation>
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
        <translation>Goes ahead</translation>
    </message>
    <message>
        <source>実行しません</source>
        <translation>Does not go ahead</translation>
    </message>
</context>
</TS>
