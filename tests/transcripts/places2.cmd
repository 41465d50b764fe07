Wiz: 1234
PLAY walkthrough.cmd UNTIL # At the grate of the mirrored valley.
REPLY: look
REPLY: x grate
REPLY: x flagstones
REPLY: x cover
REPLY: x votives
REPLY: take votives
REPLY: enter shrine
REPLY: look
REPLY: out
REPLY: listen
REPLY: smell
