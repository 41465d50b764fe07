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
REPLY: se
REPLY: e
REPLY: lane
REPLY: enter door
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
REPLY: drink
REPLY: take lamp
REPLY: out
REPLY: ne
REPLY: se
REPLY: take bait
REPLY: nw
REPLY: sw
REPLY: s
REPLY: s
REPLY: s
REPLY: unlock hatch
REPLY: down
REPLY: light lamp
REPLY: w
REPLY: take jar
REPLY: w
REPLY: w
REPLY: w
REPLY: feed firefly
REPLY: take firefly
REPLY: w
REPLY: down
REPLY: down
REPLY: open jar
REPLY: drop jar
REPLY: w
REPLY: take token
REPLY: w
REPLY: n
REPLY: s
REPLY: w
REPLY: e
REPLY: n
REPLY: take locket
REPLY: w
REPLY: up
REPLY: take axe
REPLY: e
REPLY: s
REPLY: s
REPLY: s
REPLY: n
REPLY: e
REPLY: look crevice
REPLY: down
REPLY: e
REPLY: e
REPLY: take wand
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: e
REPLY: read
REPLY: look steps
REPLY: down
REPLY: take axe
REPLY: s
REPLY: n
REPLY: take flask
REPLY: s
REPLY: s
REPLY: n
REPLY: take amulet
REPLY: down
REPLY: w
REPLY: down
REPLY: n
REPLY: look
REPLY: w
REPLY: e
REPLY: look carvings
REPLY: wave wand
REPLY: e
REPLY: throw axe
REPLY: take axe
REPLY: n
REPLY: e
REPLY: s
REPLY: take bracelet
REPLY: n
REPLY: w
REPLY: n
REPLY: sw
REPLY: w
REPLY: n
REPLY: n
REPLY: e
REPLY: look creeper
REPLY: w
REPLY: s
REPLY: s
REPLY: e
REPLY: e
REPLY: nw
REPLY: s
REPLY: wave wand
REPLY: w
REPLY: w
REPLY: se
REPLY: s
REPLY: up
REPLY: e
REPLY: up
REPLY: s
REPLY: up
REPLY: up
REPLY: e
REPLY: e
REPLY: e
REPLY: beruth
REPLY: drop amulet
REPLY: drop bracelet
REPLY: score
REPLY: drink
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: throw axe
REPLY: take axe
REPLY: down
REPLY: n
REPLY: down
REPLY: riddled
REPLY: e
REPLY: e
REPLY: s
REPLY: up
REPLY: w
REPLY: take bread
REPLY: e
REPLY: down
REPLY: climb ladder
REPLY: take waterskin
REPLY: down
REPLY: n
REPLY: w
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: s
REPLY: up
REPLY: up
REPLY: e
REPLY: e
REPLY: e
REPLY: beruth
REPLY: drop waterskin
REPLY: out
REPLY: footbridge
REPLY: w
REPLY: nw
REPLY: take jug
REPLY: se
REPLY: e
REPLY: lane
REPLY: enter door
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: down
REPLY: n
REPLY: down
REPLY: e
REPLY: down
REPLY: drink water
REPLY: fill jug
REPLY: up
REPLY: w
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: pour water
REPLY: up
REPLY: e
REPLY: e
REPLY: ne
REPLY: e
REPLY: up
REPLY: e
REPLY: e
REPLY: down
REPLY: drink water
REPLY: fill jug
REPLY: up
REPLY: w
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: pour water
REPLY: climb plant
REPLY: w
REPLY: take statuette
REPLY: s
REPLY: down
REPLY: up
REPLY: e
REPLY: ostel
REPLY: nuvik
REPLY: mevet
REPLY: lomas
REPLY: w
REPLY: down
REPLY: climb plant
REPLY: w
REPLY: take statuette
REPLY: s
REPLY: down
REPLY: up
REPLY: e
REPLY: e
REPLY: nw
REPLY: w
REPLY: sw
REPLY: ne
REPLY: ne
REPLY: throw statuette
REPLY: ne
REPLY: read
REPLY: ne
REPLY: e
REPLY: ne
REPLY: n
REPLY: look ravine
REPLY: s
REPLY: e
REPLY: take goblet
REPLY: look rubble
REPLY: w
REPLY: s
REPLY: se
REPLY: s
REPLY: read
REPLY: e
REPLY: look lynx
REPLY: throw bread
REPLY: unlock collar
REPLY: take collar
REPLY: take lynx
REPLY: wait
REPLY: wait
REPLY: wait
REPLY: w
REPLY: up
REPLY: n
REPLY: w
REPLY: w
REPLY: drop lynx
REPLY: sw
REPLY: sw
REPLY: sw
REPLY: sw
REPLY: se
REPLY: se
REPLY: ne
REPLY: ostel
REPLY: nuvik
REPLY: mevet
REPLY: lomas
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: climb plant
REPLY: w
REPLY: take statuette
REPLY: s
REPLY: down
REPLY: up
REPLY: e
REPLY: e
REPLY: ne
REPLY: e
REPLY: e
REPLY: s
REPLY: up
REPLY: w
REPLY: drink
REPLY: w
REPLY: look
REPLY: s
REPLY: up
REPLY: s
REPLY: extinguish lamp
REPLY: call
REPLY: cut web
REPLY: light lamp
REPLY: s
REPLY: take honeycake
REPLY: eat honeycake
REPLY: n
REPLY: n
REPLY: n
REPLY: crossways
REPLY: drink
REPLY: down
REPLY: nw
REPLY: e
REPLY: n
REPLY: n
REPLY: n
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: take sword
REPLY: sw
REPLY: sw
REPLY: wait
REPLY: wait
REPLY: sw
REPLY: sw
REPLY: s
REPLY: sw
REPLY: s
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: climb plant
REPLY: w
REPLY: e
REPLY: n
REPLY: throw sword
REPLY: take sword
REPLY: n
REPLY: e
REPLY: e
REPLY: ne
REPLY: se
REPLY: open flask
REPLY: s
REPLY: s
REPLY: take crystal
REPLY: n
REPLY: n
REPLY: w
REPLY: sw
REPLY: n
REPLY: w
REPLY: se
REPLY: down
REPLY: nw
REPLY: w
REPLY: s
REPLY: w
REPLY: n
REPLY: nw
REPLY: w
REPLY: w
REPLY: s
REPLY: s
REPLY: take opal
REPLY: n
REPLY: n
REPLY: nw
REPLY: w
REPLY: s
REPLY: nw
REPLY: nw
REPLY: w
REPLY: w
REPLY: nw
REPLY: read
REPLY: corrim
REPLY: nw
REPLY: n
REPLY: n
REPLY: w
REPLY: s
REPLY: s
REPLY: s
REPLY: down
REPLY: up
REPLY: e
REPLY: e
REPLY: ne
REPLY: e
REPLY: up
REPLY: e
REPLY: e
REPLY: down
REPLY: drink water
REPLY: fill jug
REPLY: up
REPLY: wait
REPLY: w
REPLY: throw axe
REPLY: take axe
REPLY: up
REPLY: s
REPLY: up
REPLY: up
REPLY: e
REPLY: e
REPLY: e
REPLY: beruth
REPLY: drop opal
REPLY: drop crystal
REPLY: drop goblet
REPLY: drop collar
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: throw axe
REPLY: take axe
REPLY: throw axe
REPLY: take axe
REPLY: take plaque
REPLY: down
REPLY: ne
REPLY: n
REPLY: wait
REPLY: n
REPLY: take rag
REPLY: s
REPLY: s
REPLY: s
REPLY: wait
REPLY: n
REPLY: down
REPLY: riddled
REPLY: w
REPLY: nw
REPLY: w
REPLY: sw
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: e
REPLY: ne
REPLY: n
REPLY: alvoth
REPLY: ignite jewel
REPLY: wave wand
REPLY: n
REPLY: n
REPLY: ismaru
REPLY: ne
REPLY: n
REPLY: ne
REPLY: take vial
REPLY: s
REPLY: s
REPLY: nw
REPLY: n
REPLY: n
REPLY: n
REPLY: down
REPLY: down
REPLY: down
REPLY: take medallion
REPLY: up
REPLY: n
REPLY: w
REPLY: s
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: w
REPLY: s
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: n
REPLY: e
REPLY: e
REPLY: take parchment
REPLY: w
REPLY: w
REPLY: w
REPLY: take incense
REPLY: take candlestick
REPLY: e
REPLY: n
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: s
REPLY: up
REPLY: up
REPLY: n
REPLY: dathel
REPLY: drop axe
REPLY: in
REPLY: take fuse
REPLY: out
REPLY: close door
REPLY: s
REPLY: s
REPLY: polish medallion
REPLY: s
REPLY: s
REPLY: nw
REPLY: n
REPLY: extinguish lamp
REPLY: nw
REPLY: light lamp
REPLY: down
REPLY: n
REPLY: drop vial
REPLY: open vial
REPLY: n
REPLY: up
REPLY: nw
REPLY: take sunstone
REPLY: wave wand
REPLY: extinguish lamp
REPLY: w
REPLY: drink water
REPLY: sw
REPLY: s
REPLY: s
REPLY: se
REPLY: s
REPLY: light lamp
REPLY: e
REPLY: e
REPLY: e
REPLY: ne
REPLY: drink water
REPLY: drink water
REPLY: fill jug
REPLY: drop rag
REPLY: sw
REPLY: w
REPLY: w
REPLY: extinguish lamp
REPLY: w
REPLY: n
REPLY: nw
REPLY: ne
REPLY: n
REPLY: n
REPLY: nw
REPLY: w
REPLY: n
REPLY: nw
REPLY: nw
REPLY: take bauble
REPLY: se
REPLY: s
REPLY: sw
REPLY: se
REPLY: sw
REPLY: nw
REPLY: n
REPLY: up
REPLY: up
REPLY: up
REPLY: drop key
REPLY: drop medallion
REPLY: drink water
REPLY: take lodestone
REPLY: drop lodestone
REPLY: take lodestone
REPLY: down
REPLY: jump
REPLY: w
REPLY: e
REPLY: se
REPLY: e
REPLY: se
REPLY: se
REPLY: e
REPLY: e
REPLY: drop lodestone
REPLY: take lodestone
REPLY: n
REPLY: n
REPLY: drop lodestone
REPLY: take lodestone
REPLY: drop lodestone
REPLY: take lodestone
REPLY: drop lodestone
REPLY: take lodestone
REPLY: drop lodestone
REPLY: take lodestone
REPLY: drop lodestone
REPLY: take lodestone
REPLY: drop lodestone
REPLY: take lodestone
REPLY: drop lodestone
REPLY: take lodestone
REPLY: up
REPLY: wave wand
REPLY: light lamp
REPLY: e
REPLY: s
REPLY: s
REPLY: s
REPLY: drop parchment
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: w
REPLY: ignite incense
REPLY: w
REPLY: sw
REPLY: snuff incense
REPLY: sw
REPLY: sw
REPLY: riddled
REPLY: e
REPLY: up
REPLY: e
REPLY: throw axe
REPLY: take axe
REPLY: gorvash
REPLY: up
REPLY: s
REPLY: up
REPLY: up
REPLY: e
REPLY: e
REPLY: e
REPLY: beruth
REPLY: drop bauble
REPLY: drop lodestone
REPLY: drop fuse
REPLY: drop candlestick
REPLY: drop incense
REPLY: look
REPLY: beruth
REPLY: beruth
REPLY: w
REPLY: nw
REPLY: nw
REPLY: w
REPLY: nw
REPLY: drop sunstone
REPLY: se
REPLY: e
REPLY: lane
REPLY: enter door
REPLY: drop lamp
REPLY: hesk
REPLY: ephrun
REPLY: take lamp
REPLY: light lamp
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: down
REPLY: n
REPLY: down
REPLY: w
REPLY: down
REPLY: n
REPLY: w
REPLY: e
REPLY: wave wand
REPLY: e
REPLY: n
REPLY: n
REPLY: sw
REPLY: w
REPLY: take reliquary
REPLY: e
REPLY: e
REPLY: nw
REPLY: s
REPLY: wave wand
REPLY: w
REPLY: w
REPLY: se
REPLY: s
REPLY: w
REPLY: w
REPLY: nw
REPLY: take urn
REPLY: se
REPLY: e
REPLY: take cushion
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: ostel
REPLY: nuvik
REPLY: mevet
REPLY: lomas
REPLY: climb plant
REPLY: w
REPLY: take statuette
REPLY: s
REPLY: down
REPLY: up
REPLY: e
REPLY: e
REPLY: ne
REPLY: e
REPLY: e
REPLY: s
REPLY: w
REPLY: take figurine
REPLY: e
REPLY: n
REPLY: w
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: s
REPLY: up
REPLY: up
REPLY: e
REPLY: e
REPLY: e
REPLY: beruth
REPLY: drop reliquary
REPLY: drop cushion
REPLY: drop urn
REPLY: drop statuette
REPLY: drop figurine
REPLY: look
REPLY: drink water
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: s
REPLY: take ingot
REPLY: n
REPLY: down
REPLY: n
REPLY: down
REPLY: e
REPLY: down
REPLY: wait
REPLY: drink water
REPLY: fill jug
REPLY: up
REPLY: w
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: nw
REPLY: n
REPLY: w
REPLY: drop wand
REPLY: drop jug
REPLY: drop ingot
REPLY: drop lamp
REPLY: e
REPLY: take ring
REPLY: w
REPLY: take lamp
REPLY: take wand
REPLY: take jug
REPLY: take ingot
REPLY: nw
REPLY: s
REPLY: se
REPLY: ne
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop ingot
REPLY: drop ring
REPLY: look
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: e
REPLY: s
REPLY: up
REPLY: w
REPLY: w
REPLY: n
REPLY: pull lever
REPLY: down
REPLY: s
REPLY: up
REPLY: sw
REPLY: ne
REPLY: nw
REPLY: nw
REPLY: nw
REPLY: nw
REPLY: nw
REPLY: sw
REPLY: enter door
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: w
REPLY: pour water
REPLY: down
REPLY: fill jug
REPLY: up
REPLY: w
REPLY: down
REPLY: climb plant
REPLY: w
REPLY: n
REPLY: pour oil
REPLY: n
REPLY: take dagger
REPLY: s
REPLY: s
REPLY: s
REPLY: down
REPLY: up
REPLY: e
REPLY: e
REPLY: ne
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop dagger
REPLY: drop jug
REPLY: drop wand
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: climb plant
REPLY: w
REPLY: n
REPLY: n
REPLY: jump
REPLY: yes
REPLY: n
REPLY: ne
REPLY: take candle
REPLY: w
REPLY: s
REPLY: strike gong
REPLY: s
REPLY: take necklace
REPLY: s
REPLY: s
REPLY: down
REPLY: n
REPLY: e
REPLY: up
REPLY: e
REPLY: wait
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop candle
REPLY: drop necklace
REPLY: take wand
REPLY: take jug
REPLY: drink water
REPLY: fennoch
REPLY: s
REPLY: s
REPLY: se
REPLY: take wick
REPLY: n
REPLY: n
REPLY: n
REPLY: fennoch
REPLY: drop wick
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: e
REPLY: se
REPLY: down
REPLY: s
REPLY: take orb
REPLY: drop jug
REPLY: down
REPLY: n
REPLY: n
REPLY: fennoch
REPLY: drop orb
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: e
REPLY: se
REPLY: up
REPLY: ne
REPLY: n
REPLY: n
REPLY: take feather
REPLY: s
REPLY: s
REPLY: sw
REPLY: n
REPLY: nw
REPLY: w
REPLY: ne
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop feather
REPLY: drink water
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: e
REPLY: ne
REPLY: w
REPLY: w
REPLY: take tusk
REPLY: e
REPLY: down
REPLY: wait
REPLY: down
REPLY: n
REPLY: take jug
REPLY: s
REPLY: s
REPLY: sw
REPLY: up
REPLY: wash
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: upstream
REPLY: down
REPLY: fennoch
REPLY: drop tusk
REPLY: take dagger
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: take axe
REPLY: down
REPLY: down
REPLY: n
REPLY: down
REPLY: w
REPLY: down
REPLY: n
REPLY: open coffer
REPLY: down
REPLY: down
REPLY: take moonstone
REPLY: throw axe
REPLY: take axe
REPLY: take plaque
REPLY: up
REPLY: wait
REPLY: up
REPLY: s
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop moonstone
REPLY: drop dagger
REPLY: drop plaque
REPLY: drop lamp
REPLY: hesk
REPLY: ephrun
REPLY: take lamp
REPLY: fennoch
REPLY: wirreth
REPLY: ne
REPLY: take journal
REPLY: s
REPLY: wirreth
REPLY: fennoch
REPLY: drop journal
REPLY: take statuette
REPLY: drink water
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: e
REPLY: se
REPLY: up
REPLY: w
REPLY: s
REPLY: e
REPLY: up
REPLY: take sprite
REPLY: n
REPLY: n
REPLY: n
REPLY: take plume
REPLY: e
REPLY: n
REPLY: nw
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: ostel
REPLY: nuvik
REPLY: mevet
REPLY: lomas
REPLY: climb plant
REPLY: w
REPLY: take statuette
REPLY: s
REPLY: down
REPLY: up
REPLY: e
REPLY: e
REPLY: ne
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop plume
REPLY: drop statuette
REPLY: drink water
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: crossway
REPLY: up
REPLY: s
REPLY: look
REPLY: attack sentinel
REPLY: yes
REPLY: roll cloth
REPLY: take cloth
REPLY: n
REPLY: down
REPLY: n
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop cloth
REPLY: take incense
REPLY: w
REPLY: nw
REPLY: nw
REPLY: w
REPLY: ignite incense
REPLY: nw
REPLY: se
REPLY: snuff incense
REPLY: e
REPLY: se
REPLY: se
REPLY: e
REPLY: drink water
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: throw axe
REPLY: take axe
REPLY: e
REPLY: se
REPLY: up
REPLY: take bread
REPLY: e
REPLY: down
REPLY: down
REPLY: open chest
REPLY: look chest
REPLY: give ale
REPLY: take cask
REPLY: up
REPLY: take torch
REPLY: up
REPLY: up
REPLY: w
REPLY: n
REPLY: nw
REPLY: w
REPLY: ne
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop torch
REPLY: drop jug
REPLY: take waterskin
REPLY: w
REPLY: fill waterskin
REPLY: drink
REPLY: yes
# The griffin has landed in the lane.
REPLY: give bread
REPLY: take nectar
REPLY: e
REPLY: drop waterskin
REPLY: w
REPLY: ne
REPLY: se
REPLY: se
REPLY: se
REPLY: se
REPLY: se
REPLY: sw
REPLY: take bundle
REPLY: ne
REPLY: nw
REPLY: nw
REPLY: nw
REPLY: nw
REPLY: nw
REPLY: sw
REPLY: e
REPLY: take lodestone
REPLY: drink water
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: n
REPLY: w
REPLY: e
REPLY: wave wand
REPLY: e
REPLY: n
REPLY: n
REPLY: sw
REPLY: w
REPLY: n
REPLY: ne
REPLY: drop nectar
REPLY: open bundle
REPLY: drop lodestone
REPLY: take lodestone
REPLY: drop cask
REPLY: up
REPLY: n
REPLY: yes
REPLY: take stick
REPLY: s
REPLY: up
REPLY: take fruit
REPLY: ignite incense
REPLY: e
REPLY: se
REPLY: snuff incense
REPLY: e
REPLY: se
REPLY: se
REPLY: e
REPLY: drop lodestone
REPLY: take cloth
REPLY: drink water
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: cleft
REPLY: s
REPLY: drop cloth
REPLY: pull trader
REPLY: n
REPLY: n
REPLY: ne
REPLY: crossway
REPLY: up
REPLY: s
REPLY: take ball
REPLY: n
REPLY: down
REPLY: n
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop pod
REPLY: take torch
REPLY: drink water
REPLY: w
REPLY: nw
REPLY: nw
REPLY: w
REPLY: nw
REPLY: drop cloth
REPLY: unroll cloth
REPLY: beat cloth
REPLY: drop stick
REPLY: rhunel
REPLY: fly
REPLY: yes
REPLY: wait
REPLY: wait
REPLY: wait
REPLY: s
REPLY: sw
REPLY: w
REPLY: nw
REPLY: e
REPLY: se
REPLY: look
REPLY: take beacon
REPLY: nw
REPLY: w
REPLY: n
REPLY: ne
REPLY: s
REPLY: se
REPLY: s
REPLY: ignite torch
REPLY: burn snag
REPLY: s
REPLY: e
REPLY: drop incense
REPLY: drop lamp
REPLY: drop wand
REPLY: drop axe
REPLY: drop beacon
REPLY: drop torch
REPLY: drop ball
REPLY: w
REPLY: look
REPLY: look
REPLY: look
REPLY: look
REPLY: down
REPLY: n
REPLY: nw
REPLY: s
REPLY: se
REPLY: s
REPLY: s
REPLY: e
REPLY: take incense
REPLY: take lamp
REPLY: take wand
REPLY: take axe
REPLY: take beacon
REPLY: take torch
REPLY: take ball
REPLY: w
REPLY: take jewel
REPLY: ignite jewel
REPLY: e
REPLY: n
REPLY: n
REPLY: e
REPLY: n
REPLY: nw
REPLY: e
REPLY: sw
REPLY: up
REPLY: nw
REPLY: up
REPLY: look down
REPLY: down
REPLY: down
REPLY: down
REPLY: n
REPLY: se
REPLY: roll cloth
REPLY: take cloth
REPLY: s
REPLY: nw
REPLY: down
REPLY: take sceptre
REPLY: ignite beacon
REPLY: n
REPLY: snuff beacon
REPLY: drop beacon
REPLY: ne
REPLY: ne
REPLY: yes
REPLY: kelnish
REPLY: hbesvo
REPLY: ox
REPLY: ox
REPLY: qmbjomz
REPLY: w
REPLY: sw
REPLY: n
REPLY: take vine
REPLY: se
REPLY: ne
REPLY: n
REPLY: down
REPLY: e
REPLY: e
REPLY: yes
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: fennoch
REPLY: s
REPLY: up
REPLY: up
REPLY: s
REPLY: s
REPLY: s
REPLY: ne
REPLY: n
REPLY: nw
REPLY: take brand
REPLY: e
REPLY: throw ball
REPLY: s
REPLY: nw
REPLY: nw
REPLY: n
REPLY: extinguish lamp
REPLY: n
REPLY: light lamp
REPLY: down
REPLY: n
REPLY: drop spirit
REPLY: n
REPLY: up
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: w
REPLY: ignite incense
REPLY: w
REPLY: sw
REPLY: snuff incense
REPLY: sw
REPLY: sw
REPLY: riddled
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop cloth
REPLY: drop sceptre
REPLY: drop vine
REPLY: drop torch
REPLY: drop brand
REPLY: drop incense
REPLY: take cloth
REPLY: take sceptre
REPLY: drink water
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: e
REPLY: se
REPLY: up
REPLY: e
REPLY: wave sceptre
REPLY: s
REPLY: up
REPLY: up
REPLY: up
REPLY: up
REPLY: up
REPLY: up
REPLY: up
REPLY: open gate
REPLY: e
REPLY: knock
REPLY: w
REPLY: down
REPLY: down
REPLY: e
REPLY: up
REPLY: open trap
REPLY: up
REPLY: close trap
REPLY: open trap
REPLY: down
REPLY: down
REPLY: take plaque
REPLY: up
REPLY: w
REPLY: take funnel
REPLY: e
REPLY: up
REPLY: drop cloth
REPLY: unroll cloth
REPLY: rhunel
REPLY: fly
REPLY: roll cloth
REPLY: take cloth
REPLY: s
REPLY: nw
REPLY: sw
REPLY: n
REPLY: take sieve
REPLY: s
REPLY: ne
REPLY: n
REPLY: cottage
REPLY: e
REPLY: drop cloth
REPLY: drop funnel
REPLY: drop sieve
REPLY: drop sceptre
REPLY: drop lamp
REPLY: hesk
REPLY: ephrun
REPLY: take lamp
REPLY: take incense
REPLY: take statuette
REPLY: drink water
REPLY: take jug
REPLY: fill jug
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: down
REPLY: n
REPLY: down
REPLY: riddled
REPLY: w
REPLY: nw
REPLY: w
REPLY: sw
REPLY: ne
REPLY: ne
REPLY: ne
REPLY: e
REPLY: ne
REPLY: n
REPLY: n
REPLY: n
REPLY: take parchment
REPLY: n
REPLY: n
REPLY: n
REPLY: down
REPLY: down
REPLY: n
REPLY: drop statuette
REPLY: wait
REPLY: wait
REPLY: fennoch
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: sw
REPLY: ne
REPLY: nw
REPLY: w
REPLY: sw
REPLY: w
REPLY: nw
REPLY: ne
REPLY: nw
REPLY: w
REPLY: read ledger
REPLY: take ledger
REPLY: no
REPLY: e
REPLY: se
REPLY: sw
REPLY: se
REPLY: e
REPLY: ne
REPLY: n
REPLY: se
REPLY: se
REPLY: sw
REPLY: se
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: throw axe
REPLY: take axe
REPLY: up
REPLY: down
REPLY: up
REPLY: down
REPLY: up
REPLY: down
REPLY: up
REPLY: down
REPLY: up
REPLY: down
REPLY: up
REPLY: down
REPLY: up
REPLY: down
REPLY: up
REPLY: down
REPLY: up
REPLY: down
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: e
REPLY: fennoch
REPLY: take statuette
REPLY: s
REPLY: up
REPLY: up
REPLY: s
REPLY: s
REPLY: s
REPLY: drink water
REPLY: nw
REPLY: n
REPLY: extinguish lamp
REPLY: w
REPLY: light lamp
REPLY: down
REPLY: n
REPLY: n
REPLY: up
REPLY: nw
REPLY: wave wand
REPLY: w
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: e
REPLY: e
REPLY: e
REPLY: ne
REPLY: drink water
REPLY: n
REPLY: n
REPLY: n
REPLY: take vase
REPLY: drop statuette
REPLY: s
REPLY: s
REPLY: s
REPLY: sw
REPLY: w
REPLY: w
REPLY: w
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: up
REPLY: wave wand
REPLY: e
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: s
REPLY: w
REPLY: ignite incense
REPLY: w
REPLY: sw
REPLY: snuff incense
REPLY: sw
REPLY: sw
REPLY: riddled
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop vase
REPLY: drop incense
REPLY: drink water
REPLY: drop jug
REPLY: fennoch
REPLY: s
REPLY: down
REPLY: w
REPLY: down
REPLY: w
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: ostel
REPLY: nuvik
REPLY: mevet
REPLY: lomas
REPLY: climb plant
REPLY: w
REPLY: take statuette
REPLY: s
REPLY: down
REPLY: up
REPLY: e
REPLY: e
REPLY: ne
REPLY: e
REPLY: up
REPLY: e
REPLY: up
REPLY: n
REPLY: fennoch
REPLY: drop statuette
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: down
REPLY: w
REPLY: w
REPLY: w
REPLY: e
REPLY: up
REPLY: e
REPLY: s
REPLY: s
REPLY: s
REPLY: n
REPLY: e
REPLY: e
REPLY: nw
REPLY: take locket
REPLY: take token
REPLY: take strongbox
REPLY: take parchment
REPLY: se
REPLY: n
REPLY: down
REPLY: e
REPLY: e
REPLY: beruth
REPLY: drop locket
REPLY: drop token
REPLY: drop strongbox
REPLY: drop parchment
# Every treasure is home: this command, typed in the cottage, begins phase 4.
REPLY: snuff jewel
REPLY: drop jewel
REPLY: drop wand
REPLY: drop axe
REPLY: drop plaque
REPLY: fennoch
REPLY: s
REPLY: n
# Phase 5 has begun at the north fork: the hourglass runs while the lamp-lit arrivals count.
REPLY: s
REPLY: n
REPLY: s
REPLY: n
REPLY: s
REPLY: n
REPLY: s
REPLY: n
REPLY: s
REPLY: n
REPLY: s
REPLY: n
REPLY: s
# This arrival ends the hourglass: phase 6 begins in the eyrie.
REPLY: n
REPLY: look
REPLY: sw
REPLY: take rod
# The rod is in hand at the watchpost.
REPLY: ne
REPLY: drop rod
REPLY: sw
REPLY: detonate
# Boarding the griffin begins phase 7 in the timeless chamber: the Litany, one word a command.
REPLY: board griffin
REPLY: alvoth
REPLY: beruth
REPLY: corrim
REPLY: dathel
REPLY: ephrun
REPLY: fennoch
REPLY: gorvash
REPLY: hesk
REPLY: ismaru
REPLY: jevra
REPLY: kelbrin
REPLY: lomas
REPLY: mevet
REPLY: nuvik
REPLY: ostel
REPLY: pazhan
REPLY: rhunel
# Phase 8 has begun in the lane: every compass word now goes the opposite way.
REPLY: sw
REPLY: nw
REPLY: nw
REPLY: nw
REPLY: nw
REPLY: nw
# At the grate of the mirrored valley.
REPLY: down
# Phase 9: the last ledge.
REPLY: jump
REPLY: yes
REPLY: yes
