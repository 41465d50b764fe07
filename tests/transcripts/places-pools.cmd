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
REPLY: drink water
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
REPLY: w
REPLY: w
REPLY: e
REPLY: e
REPLY: look trapdoor
REPLY: look opening
REPLY: burrow
REPLY: n
REPLY: look
REPLY: look burrow
REPLY: look rock
REPLY: s
REPLY: n
REPLY: n
REPLY: look
REPLY: look echo
REPLY: look opening
REPLY: look roof
REPLY: burrow
REPLY: n
REPLY: look
REPLY: e
REPLY: e
REPLY: look rock
REPLY: look stone
REPLY: read lettering
REPLY: take sword
REPLY: look sword
REPLY: alvoth
REPLY: inventory
REPLY: climb rock
REPLY: sw
REPLY: sw
REPLY: sw
REPLY: s
REPLY: w
REPLY: w
REPLY: ne
REPLY: e
REPLY: e
REPLY: ne
REPLY: look flowstone
REPLY: look balcony
REPLY: look roof
REPLY: look streambed
REPLY: n
REPLY: look roof
REPLY: look incline
REPLY: s
REPLY: w
REPLY: look steps
REPLY: look water
REPLY: look shaft
REPLY: w
REPLY: look puddle
REPLY: take puddle
REPLY: look font
REPLY: take tusk
REPLY: e
REPLY: up
REPLY: drop tusk
REPLY: d
REPLY: look
REPLY: look water
REPLY: up
REPLY: d
REPLY: look spray
REPLY: wait
REPLY: look vents
REPLY: up
REPLY: d
REPLY: d
REPLY: n
REPLY: look
REPLY: look lettering
REPLY: read lettering
REPLY: look heap
REPLY: take tusk
REPLY: look stonework
REPLY: s
REPLY: s
REPLY: sw
REPLY: look chimney
REPLY: up
REPLY: look
REPLY: look stream
REPLY: drink water
REPLY: n
REPLY: look
REPLY: look stream
REPLY: enter stream
REPLY: drop tusk
REPLY: look
REPLY: n
REPLY: downstream
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: no
REPLY: wash
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: look
REPLY: inventory
REPLY: down
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: e
REPLY: ne
REPLY: w
REPLY: d
REPLY: throw lamp
REPLY: jump
REPLY: no
