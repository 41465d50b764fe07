Wiz: 1234
PLAY walkthrough.cmd UNTIL # At the grate of the mirrored valley.
REPLY: jump down
REPLY: no
REPLY: no
