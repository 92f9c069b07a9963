<?xml version="1.0"?>
<channel href="http://home.example.net/~kaz/">
<title>Kaz's page</title>
<font face="Arial">
<item href="diary.htm"><title>Diary</title></item>
<item href="links.htm><title>Links</title></item>
<item href="photos.htm"><title>Photos</title></item>
<!-- <item href="old.htm"><title>Old</title></item> -->
</channel>
