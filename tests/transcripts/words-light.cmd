Wiz: 4242
REPLY: 
REPLY: light
REPLY: drink
REPLY: begin
REPLY: no
REPLY: drink stream
REPLY: e
REPLY: light lamp
REPLY: switch
REPLY: turn on
REPLY: switch on
REPLY: extinguish lamp
REPLY: on
REPLY: off
REPLY: refill canister
REPLY: drink
REPLY: wash
REPLY: fill
REPLY: pour
REPLY: give thanks
REPLY: eat
REPLY: burn
REPLY: w
REPLY: s
REPLY: wash
REPLY: s
REPLY: s
REPLY: close hatch
REPLY: push hatch
REPLY: open hatch
REPLY: unlock hatch
REPLY: quit
REPLY: yes
