<?xml version="1.0" encoding="EUC-JP" ?>
<channel href="http://www.example.jp/~taro/" self="http://www.example.jp/~taro/taro.cdf">
<title>太郎の日記</title>
<abstract>毎日の記録 &amp; 写真</abstract>
<schedule><intervaltime hour="6"/></schedule>
<item href="diary/today.html" level="1"><title>今日</title><abstract>晴れ</abstract></item>
</channel>
