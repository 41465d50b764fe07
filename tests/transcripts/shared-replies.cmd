Wiz: 1234
PLAY walkthrough.cmd UNTIL REPLY: open jar
REPLY: wait 20
REPLY: x me
REPLY: take me
REPLY: look at me
REPLY: examine myself
REPLY: x self
REPLY: help
REPLY: yes
REPLY: yes
REPLY: give firefly
REPLY: drop jar
REPLY: take jar
REPLY: inventory
REPLY: open jar
REPLY: n
