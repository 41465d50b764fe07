Wiz: 1234
PLAY walkthrough.cmd UNTIL # The griffin has landed in the lane.
REPLY: board griffin
