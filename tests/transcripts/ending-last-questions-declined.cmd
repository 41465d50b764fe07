Wiz: 1234
PLAY walkthrough.cmd UNTIL # Phase 9: the last ledge.
REPLY: jump
REPLY: no
REPLY: maybe
