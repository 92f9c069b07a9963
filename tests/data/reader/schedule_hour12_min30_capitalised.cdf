<?xml Version="1.0" Encoding="x-sjis"?>

<Channel
  Href="http://"
  Self="http://"
  Precache="YES">
<Title>ƒ^ƒCƒgƒ‹</Title>
<Abstract></Abstract>

  <Schedule>
    <Intervaltime Hour="12" Min="30"/>
  </Schedule>

</Channel>
