Wiz: 1234
PLAY walkthrough.cmd UNTIL # Boarding the griffin begins phase 7 in the timeless chamber: the Litany, one word a command.
REPLY: board griffin
REPLY: alvoth
REPLY: quit
REPLY: yes
