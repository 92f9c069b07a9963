<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Feedwright</translation>
    </message>
</context>
<context>
    <name>CChannelDlg</name>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ホームページのＵＲＬ</source>
        <translation>Home page URL</translation>
    </message>
    <message>
        <source>チャンネルのタイトル</source>
        <translation>Channel title</translation>
    </message>
    <message>
        <source>チャンネルの簡単な紹介文</source>
        <translation>Short description of the channel</translation>
    </message>
    <message>
        <source>CDFファイルのＵＲＬ(* .cdf)</source>
        <translation>URL of the CDF file (*.cdf)</translation>
    </message>
    <message>
        <source>読みこみ</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>絵（ロゴ）</source>
        <translation>Logos</translation>
    </message>
    <message>
        <source>スケジュール</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>詳細設定</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>ページ指定</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ベースＵＲＬ</source>
        <translation>Base URL</translation>
    </message>
    <message>
        <source>ベースＵＲＬを指定する</source>
        <translation>Use a base URL</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報 (&amp;A)...</source>
        <translation>&amp;About Feedwright...</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Feedwright</translation>
    </message>
    <message>
        <source>ベースＵＲＬを指定すると、相対パスが使用できるようになります</source>
        <translation>With a base URL, the channel can use relative paths</translation>
    </message>
    <message>
        <source>相対パスのもととなるＵＲＬを入力します.(詳しくはヘルプ参照)</source>
        <translation>The URL that relative paths start from (see Help)</translation>
    </message>
    <message>
        <source>チャンネルにしたいホームページのＵＲＬ(アドレス)を入力します</source>
        <translation>The URL (address) of the home page to make a channel of</translation>
    </message>
    <message>
        <source>これから作るチャンネルのタイトルを入力します</source>
        <translation>The title of the channel you are making</translation>
    </message>
    <message>
        <source>今ポップアップしているような形で表示する紹介文を指定できます</source>
        <translation>A description, shown in a pop-up like this one</translation>
    </message>
    <message>
        <source>Feedwrightで作成したＣＤＦファイルを、ネット上で置く場所を指定します(ファイル名を忘れずに)</source>
        <translation>Where the CDF file made with Feedwright will be on the web (do not forget the file name)</translation>
    </message>
    <message>
        <source>ファイル名を指定し、ＣＤＦファイルを作成します</source>
        <translation>Choose a file name and write the CDF file</translation>
    </message>
    <message>
        <source>ＣＤＦファイルを読みこみます</source>
        <translation>Read a CDF file</translation>
    </message>
    <message>
        <source>データを起動初期の状態に戻します</source>
        <translation>Return everything to how it was at start-up</translation>
    </message>
    <message>
        <source>チャンネルのロゴを設定します</source>
        <translation>Set the channel&apos;s logos</translation>
    </message>
    <message>
        <source>購読スケジュールを設定します</source>
        <translation>Set when subscribers update the channel</translation>
    </message>
    <message>
        <source>チャンネルに複数のページを組み込みます</source>
        <translation>Put several pages into the channel</translation>
    </message>
    <message>
        <source>CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||</source>
        <translation>CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Feedwright.htm</source>
        <translation>Feedwright-en.htm</translation>
    </message>
    <message>
        <source>ファイルを開けません</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>ファイルが、CDFファイルではありません</source>
        <translation>The file is not a CDF file</translation>
    </message>
    <message>
        <source>ファイルを読み込んでいます...</source>
        <translation>Reading the file...</translation>
    </message>
    <message>
        <source>ファイルを正常に読み取れませんでした

(element error)</source>
        <translation>The file could not be read properly

(element error)</translation>
    </message>
    <message>
        <source>ファイルを正常に読み取れませんでした

(phase #0)</source>
        <translation>The file could not be read properly

(phase #0)</translation>
    </message>
    <message>
        <source>ファイルを正常に読み取れませんでした

(phase #1)</source>
        <translation>The file could not be read properly

(phase #1)</translation>
    </message>
    <message>
        <source>ファイルを書き込んでいます...</source>
        <translation>Writing the file...</translation>
    </message>
    <message>
        <source>ファイルを書き込めません</source>
        <translation>Cannot write the file</translation>
    </message>
    <message>
        <source>%1 が開けません.</source>
        <translation>Cannot open %1.</translation>
    </message>
</context>
<context>
    <name>CCommentDlg</name>
    <message>
        <source>サイトマップに表示</source>
        <translation>Show in the site map</translation>
    </message>
    <message>
        <source>サイトマップに表示しない</source>
        <translation>Hide from the site map</translation>
    </message>
    <message>
        <source>E-mail で送る</source>
        <translation>Send by e-mail</translation>
    </message>
    <message>
        <source>チャンネルスクリーンセーバー</source>
        <translation>Channel screen saver</translation>
    </message>
    <message>
        <source>デスクトップコンポーネント</source>
        <translation>Desktop component</translation>
    </message>
    <message>
        <source>コメントの設定</source>
        <translation>Comment and Details</translation>
    </message>
    <message>
        <source>簡単なコメント</source>
        <translation>Short comment</translation>
    </message>
    <message>
        <source>アイコンを指定する（16x16 .ico）</source>
        <translation>Use an icon (16x16 .ico)</translation>
    </message>
    <message>
        <source>アイコンのＵＲＬ</source>
        <translation>Icon URL</translation>
    </message>
    <message>
        <source>ページの使用法</source>
        <translation>Use of the page</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CLogoDlg</name>
    <message>
        <source>チャンネルロゴの指定</source>
        <translation>Channel Logos</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>アイコンファイルのＵＲＬ(16x16 .ico)</source>
        <translation>Icon file URL (16x16 .ico)</translation>
    </message>
    <message>
        <source>チャンネルロゴファイルのＵＲＬ(80x32 .gif)</source>
        <translation>Logo file URL (80x32 .gif)</translation>
    </message>
    <message>
        <source>チャンネルロゴ（ワイド）ファイルのＵＲＬ(194x32 .gif)</source>
        <translation>Wide logo file URL (194x32 .gif)</translation>
    </message>
</context>
<context>
    <name>CScheduleDlg</name>
    <message>
        <source>スケジュールの設定</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>更新のペース</source>
        <translation>How often</translation>
    </message>
    <message>
        <source>日にち単位で更新する</source>
        <translation>Update in days</translation>
    </message>
    <message>
        <source>更新の間隔（日）</source>
        <translation>Update interval (days)</translation>
    </message>
    <message>
        <source>日</source>
        <comment>unit of the interval</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>時間単位で更新する</source>
        <translation>Update in hours</translation>
    </message>
    <message>
        <source>更新の間隔（時間）</source>
        <translation>Update interval (hours)</translation>
    </message>
    <message>
        <source>時間</source>
        <comment>unit of the interval</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>更新の間隔（分）</source>
        <translation>Update interval (minutes)</translation>
    </message>
    <message>
        <source>分</source>
        <comment>unit of the interval</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>%1を指定</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1（年）</source>
        <translation>%1 (year)</translation>
    </message>
    <message>
        <source>年</source>
        <comment>part of a date</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>%1（月）</source>
        <translation>%1 (month)</translation>
    </message>
    <message>
        <source>月</source>
        <comment>part of a date</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>%1（日）</source>
        <translation>%1 (day)</translation>
    </message>
    <message>
        <source>日</source>
        <comment>part of a date</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>期間限定で公開する場合</source>
        <translation>Publish for a limited time</translation>
    </message>
    <message>
        <source>開始日</source>
        <translation>Start date</translation>
    </message>
    <message>
        <source>終了日</source>
        <translation>End date</translation>
    </message>
    <message>
        <source>日</source>
        <comment>days after the start</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>%1（時）</source>
        <translation>%1 (hour)</translation>
    </message>
    <message>
        <source>時間</source>
        <comment>hours after the start</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>%1（分）</source>
        <translation>%1 (minute)</translation>
    </message>
    <message>
        <source>分</source>
        <comment>minutes after the start</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>更新する時間帯</source>
        <translation>When to update</translation>
    </message>
    <message>
        <source>毎回</source>
        <translation>Each time</translation>
    </message>
    <message>
        <source>更新する時間帯の始まり</source>
        <translation>Start of the update window</translation>
    </message>
    <message>
        <source>から</source>
        <translation>to</translation>
    </message>
    <message>
        <source>更新する時間帯の終わり</source>
        <translation>End of the update window</translation>
    </message>
    <message>
        <source>の間に自動更新を行う</source>
        <translation>update automatically in between.</translation>
    </message>
    <message>
        <source>※時間は 0 ～ 24 の間で指定します</source>
        <translation>* Hours go from 0 to 24</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>毎日、0時から %n時間おきに

そのときの時間＋</source>
        <translation>
            <numerusform>Every hour from 0:00,

at that hour +</numerusform>
            <numerusform>Every %n hours from 0:00,

at that hour +</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n週間おきに

その日＋</source>
        <translation>
            <numerusform>Every week,

on that day +</numerusform>
            <numerusform>Every %n weeks,

on that day +</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n日おきに

その日＋</source>
        <translation>
            <numerusform>Every day,

on that day +</numerusform>
            <numerusform>Every %n days,

on that day +</numerusform>
        </translation>
    </message>
    <message>
        <source>時</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>CSitemapDlg</name>
    <message>
        <source>ページ指定</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>サイトマップ</source>
        <translation>Site map</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>ページを追加</source>
        <translation>Add a page</translation>
    </message>
    <message>
        <source>サブチャンネルを追加</source>
        <translation>Add a sub-channel</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ペースト</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>コメント／詳細</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>ＵＲＬ</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>キャッシュ</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>読みこむ</source>
        <translation>Precache</translation>
    </message>
    <message>
        <source>Ctrl+Z: 元に戻す / Ctrl+Y: やり直し</source>
        <translation>Ctrl+Z: Undo / Ctrl+Y: Redo</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>正の整数を入力してください。</source>
        <translation>Please enter a positive whole number.</translation>
    </message>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Please enter a whole number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SitemapHistory</name>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>サイトマップの直前の変更を取り消します</source>
        <translation>Undo the last change to the site map</translation>
    </message>
    <message>
        <source>取り消した変更をもう一度行います</source>
        <translation>Make the undone change again</translation>
    </message>
    <message>
        <source>ページの追加</source>
        <translation>Add page</translation>
    </message>
    <message>
        <source>サブチャンネルの追加</source>
        <translation>Add sub-channel</translation>
    </message>
    <message>
        <source>ペースト</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>SitemapModel</name>
    <message>
        <source>編集できない要素 (保存時にそのまま残ります): %1</source>
        <translation>Elements Feedwright does not edit (saved as they are): %1</translation>
    </message>
    <message>
        <source>ページ, レベル %1</source>
        <translation>Page, level %1</translation>
    </message>
    <message>
        <source>チャンネル</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>サブチャンネル</source>
        <translation>Sub-channel</translation>
    </message>
    <message>
        <source>%1, レベル %2, %3 項目</source>
        <translation>%1, level %2, %3 items</translation>
    </message>
</context>
</TS>
