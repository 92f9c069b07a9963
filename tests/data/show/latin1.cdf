<?xml version="1.0" encoding="ISO-8859-1"?>
<CHANNEL HREF="http://café.example/?a=1&amp;b=2">
<TITLE>Café &lt;&gt;&amp;&quot;&apos;&#65;&#x42;&#x1F600; &bogus; &eacute; & end</TITLE>
<ITEM HREF="menü.htm"><TITLE>Menü</TITLE></ITEM>
</CHANNEL>
