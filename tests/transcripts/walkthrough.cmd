Wiz: 1234
REPLY: 
REPLY: look
REPLY: intro
REPLY: no
REPLY: xyzzy
REPLY: invetory
REPLY: lantren
REPLY: take lamp; drop lamp
REPLY: n
REPLY: score
REPLY: help
REPLY: out
REPLY: hello
REPLY: no
REPLY: wait
REPLY: story
REPLY: begin
REPLY: no
REPLY: close
REPLY: door
REPLY: bank
REPLY: upstream
REPLY: enter door
REPLY: tap
REPLY: grating
REPLY: downstream
REPLY: out
REPLY: w
REPLY: take track
REPLY: take hedge
REPLY: e
REPLY: s
REPLY: enter stream
REPLY: s
REPLY: down
REPLY: s
REPLY: take gully
REPLY: stream
REPLY: break keyhole
REPLY: down
REPLY: valley
REPLY: lane
REPLY: footbridge
REPLY: planks
REPLY: w
REPLY: planks
REPLY: nw
REPLY: lookout
REPLY: ringwalk
REPLY: take vine
REPLY: climb cliff
REPLY: jump
REPLY: yes
REPLY: beruth
REPLY: e
REPLY: e
REPLY: up
REPLY: w
REPLY: w
REPLY: dell
REPLY: w
REPLY: w
REPLY: beruth
REPLY: take key
REPLY: out
REPLY: take lamp
REPLY: s
REPLY: s
REPLY: s
REPLY: unlock hatch
REPLY: down
REPLY: light lamp
REPLY: w
REPLY: w
REPLY: take wand
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: down
REPLY: w
REPLY: take token
REPLY: w
REPLY: n
REPLY: s
REPLY: w
REPLY: e
REPLY: n
REPLY: take locket
REPLY: look
REPLY: w
REPLY: up
REPLY: e
REPLY: s
REPLY: s
REPLY: s
REPLY: n
REPLY: e
REPLY: look crevice
REPLY: down
REPLY: w
REPLY: down
REPLY: e
REPLY: read
REPLY: look steps
REPLY: down
REPLY: s
REPLY: n
REPLY: look
REPLY: take flask
REPLY: s
REPLY: e
REPLY: up
REPLY: w
REPLY: up
REPLY: e
REPLY: e
REPLY: e
REPLY: beruth
REPLY: drop token
REPLY: drop locket
REPLY: score
REPLY: quit
REPLY: yes
