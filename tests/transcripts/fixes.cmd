Wiz: 1234
PLAY walkthrough.cmd UNTIL # The griffin has landed in the lane.
REPLY: pet griffin
REPLY: touch griffin
REPLY: talk griffin
REPLY: talk to griffin
REPLY: chat griffin
REPLY: talk
REPLY: x lock
REPLY: x clock
REPLY: lock
REPLY: x hill
REPLY: out
REPLY: enter cottage
REPLY: take key
REPLY: undo
REPLY: yes
REPLY: undo all
REPLY: redo all
REPLY: undo 2
REPLY: undo 9
REPLY: redo
REPLY: score
