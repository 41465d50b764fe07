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
REPLY: s
REPLY: look crossway
REPLY: w
REPLY: look up
REPLY: e
REPLY: take ladder
REPLY: climb ladder
REPLY: look balcony
REPLY: pull ladder
REPLY: take waterskin
REPLY: down
REPLY: down
REPLY: look
REPLY: look staircase
REPLY: up
REPLY: up
REPLY: look arch
REPLY: look doorway
REPLY: look hourglass
REPLY: s
REPLY: look landing
REPLY: up
REPLY: up
REPLY: look out
REPLY: up
REPLY: up
REPLY: look out
REPLY: up
REPLY: read sign
REPLY: open doors
REPLY: e
REPLY: down
REPLY: down
REPLY: down
REPLY: down
REPLY: down
REPLY: n
REPLY: w
REPLY: look stream
REPLY: look hole
REPLY: fill waterskin
REPLY: down
REPLY: look entrance
REPLY: down
REPLY: look cistern
REPLY: look crossway
REPLY: push crossway
REPLY: up
REPLY: up
REPLY: w
REPLY: look lever
REPLY: look down
REPLY: push lever
REPLY: look down
REPLY: down
REPLY: look hole
REPLY: s
REPLY: look up
REPLY: up
REPLY: score
