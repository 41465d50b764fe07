Wiz: 4242
REPLY: 
REPLY: light
REPLY: on
REPLY: switch on
REPLY: off
REPLY: extinguish lamp
REPLY: refill
REPLY: drink
REPLY: drink water
REPLY: taste
REPLY: fill
REPLY: pour
REPLY: give
REPLY: give thanks
REPLY: eat
REPLY: burn
REPLY: open
REPLY: unlock
REPLY: close
REPLY: pull
REPLY: ignite
REPLY: snuff
REPLY: wash
REPLY: empty
REPLY: stir
REPLY: stir around
REPLY: quit
REPLY: yes
