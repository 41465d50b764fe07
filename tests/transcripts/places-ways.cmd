Wiz: 1234
REPLY: 
REPLY: begin
REPLY: no
REPLY: enter door
REPLY: take lamp
REPLY: light lamp
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: down
REPLY: n
REPLY: s
REPLY: w
REPLY: n
REPLY: take amulet
REPLY: look hole
REPLY: n
REPLY: look rock
REPLY: w
REPLY: look pit
REPLY: e
REPLY: s
REPLY: down
REPLY: e
REPLY: down
REPLY: look stream
REPLY: follow stream
REPLY: up
REPLY: w
REPLY: w
REPLY: look crack
REPLY: down
REPLY: e
REPLY: read
REPLY: look mural
REPLY: w
REPLY: look holes
REPLY: w
REPLY: look flagstone
REPLY: cleft
REPLY: look arch
REPLY: s
REPLY: look altar
REPLY: read
REPLY: drop amulet
REPLY: n
REPLY: w
REPLY: read
REPLY: read
REPLY: s
REPLY: n
REPLY: nw
REPLY: n
REPLY: look down
REPLY: w
REPLY: e
REPLY: drop lamp
REPLY: e
REPLY: look
REPLY: w
REPLY: take lamp
REPLY: nw
REPLY: s
REPLY: se
REPLY: ne
REPLY: e
REPLY: e
REPLY: e
REPLY: w
REPLY: n
REPLY: s
REPLY: e
REPLY: score
