Wiz: 1234
PLAY walkthrough.cmd UNTIL # The rod is in hand at the watchpost.
REPLY: detonate
