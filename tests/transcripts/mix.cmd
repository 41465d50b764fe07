Wiz: 4242
REPLY: examine book
REPLY: look
REPLY: up
REPLY: inventory
REPLY: scoer
REPLY: w
REPLY: zqmub
REPLY: drop water
REPLY: l
REPLY: i
REPLY: out
REPLY: se
REPLY: take sword
REPLY: ne
REPLY: down
REPLY: ythxv
REPLY: examine jar
REPLY: l
REPLY: take dagger
REPLY: take rope
REPLY: w
REPLY: take key
REPLY: take water
REPLY: drop water
REPLY: sw
REPLY: east
REPLY: ne
REPLY: w
REPLY: nw
REPLY: east
REPLY: l
REPLY: take key
REPLY: examine dagger
REPLY: drop lantern
REPLY: take water
REPLY: in
REPLY: w
REPLY: se
REPLY: up
REPLY: in
REPLY: take lamp, key, sword
REPLY: inventory
REPLY: score
REPLY: take jar
REPLY: examine book
REPLY: l
REPLY: ne
REPLY: score
REPLY: inventory
REPLY: score
REPLY: n
REPLY: i
REPLY: south
REPLY: look
REPLY: out
REPLY: out
REPLY: north
REPLY: in
REPLY: drop torch
REPLY: south
REPLY: out
REPLY: drop rope
REPLY: take book
REPLY: take water
REPLY: look
REPLY: se
REPLY: l
REPLY: examine key
REPLY: i
REPLY: sotuh
REPLY: mubgrorfep
REPLY: s
REPLY: blgror
REPLY: se
REPLY: out
REPLY: examine lantern
REPLY: take key
REPLY: west
REPLY: n
REPLY: drop lamp
REPLY: l
REPLY: take all except lamp, key
REPLY: examine water
REPLY: drop food
REPLY: e
REPLY: l
REPLY: east
REPLY: drop water
REPLY: south
REPLY: take lamp
REPLY: take sword
REPLY: examine key
REPLY: grormubfep
REPLY: take sword
REPLY: swodr
REPLY: inventory
REPLY: out
REPLY: in
REPLY: look
REPLY: inventory
REPLY: e
REPLY: n
REPLY: take book
REPLY: drop lamp
REPLY: w
REPLY: l
REPLY: score
REPLY: take key
REPLY: examine torch
REPLY: take key
REPLY: wateer
REPLY: examine food
REPLY: n
REPLY: ne
REPLY: s
REPLY: north
REPLY: take dagger
REPLY: inventory
REPLY: out
REPLY: look
REPLY: sw
REPLY: drop sword
REPLY: again
REPLY: fepzq
REPLY: look
REPLY: blork
REPLY: l
REPLY: quinvask
REPLY: north
REPLY: ne
REPLY: quinbl
REPLY: quinvask
REPLY: i
REPLY: watter
REPLY: l
REPLY: se
REPLY: look
REPLY: ne
REPLY: examine key
REPLY: down
REPLY: l
REPLY: take water
REPLY: down
REPLY: drop dagger
REPLY: trch
REPLY: drop lantern
REPLY: inventory
REPLY: out
REPLY: inventory
REPLY: l
REPLY: l
REPLY: down
REPLY: examine key
REPLY: xvblfep
REPLY: west
REPLY: w
REPLY: cmopass
REPLY: take lamp
REPLY: inventory
REPLY: look
REPLY: l
REPLY: examine lantern
REPLY: inventory
REPLY: g
REPLY: north
REPLY: examine book
REPLY: south
REPLY: take sword
REPLY: take key
REPLY: drop water
REPLY: take key
REPLY: l
REPLY: look
REPLY: examine sword
REPLY: w
REPLY: examine coin
REPLY: souht
REPLY: n
REPLY: take torch
REPLY: examinne
REPLY: i
REPLY: quinquin
REPLY: in
REPLY: look
REPLY: inventory
REPLY: sw
REPLY: w
REPLY: examine lamp
REPLY: sw
REPLY: take torch
REPLY: west
REPLY: north
REPLY: south
REPLY: i
REPLY: west
REPLY: e
REPLY: examine water
REPLY: l
REPLY: take sword
REPLY: orkmub
REPLY: blgror
REPLY: sw
REPLY: examine book
REPLY: xvyth
REPLY: LOOK
REPLY: examine rope
REPLY: look
REPLY: look
REPLY: east
REPLY: north
REPLY: take food
REPLY: zqfep
REPLY: examine rope
REPLY: drop rope
REPLY: ne
REPLY: se
REPLY: e
REPLY: down
REPLY: examine book
REPLY: drop coin
REPLY: in
REPLY: out
REPLY: drop sword
REPLY: w
REPLY: drop book
REPLY: examine book
REPLY: se
REPLY: examine dagger
REPLY: l
REPLY: i
REPLY: score
REPLY: n
REPLY: inventory
REPLY: i
REPLY: south
REPLY: south
REPLY: examine lantern
REPLY: score
REPLY: sw
REPLY: take lamp
REPLY: west
REPLY: out
REPLY: north
REPLY: examine coin
REPLY: score
REPLY: Examine "Lamp"
REPLY: i
REPLY: examine dagger
REPLY: north
REPLY: zqxv
REPLY: west
REPLY: drop water
REPLY: take dagger
REPLY: take lamp
REPLY: n
REPLY: inventory
REPLY: look
REPLY: ne
REPLY: west
REPLY: e
REPLY: in
REPLY: skuth
REPLY: examine dagger
REPLY: s
REPLY: up
REPLY: se
REPLY: take sword
REPLY: look
REPLY: drop food
REPLY: tkrch
REPLY: score
REPLY: take rope
REPLY: drop dagger
REPLY: dkop
REPLY: north
REPLY: look
REPLY: w
REPLY: north
REPLY: down
REPLY: inventory
REPLY: east
REPLY: examine torch
REPLY: drop rope
REPLY: ne
REPLY: s
REPLY: up
REPLY: inv
REPLY: exaamine
REPLY: take food
REPLY: look
REPLY: drop dagger
REPLY: blxv
REPLY: take key
REPLY: n
REPLY: west
REPLY: up
REPLY: up
REPLY: n
REPLY: zqyth
REPLY: i
REPLY: look
REPLY: out
REPLY: examine book
REPLY: dkgger
REPLY: i
REPLY: out
REPLY: east
REPLY: examine food
REPLY: sw
REPLY: inventory
REPLY: look
REPLY: out
REPLY: quinork
REPLY: sw
REPLY: i
REPLY: fepmubfep
REPLY: take key
REPLY: sw
REPLY: n
REPLY: l
REPLY: e
REPLY: look
REPLY: sokth
REPLY: ne
REPLY: take coin
REPLY: look
REPLY: sw
REPLY: exam lamp
REPLY: south
REPLY: out
REPLY: ne
REPLY: inventory
REPLY: i
REPLY: xvfep
REPLY: l
REPLY: west
REPLY: fepvask
REPLY: take dagger
REPLY: nw
REPLY: ne
REPLY: drop food
REPLY: take lantern
REPLY: n
REPLY: tae
REPLY: watre
REPLY: drop lamp
REPLY: n
REPLY: torrch
REPLY: east
REPLY: look
REPLY: take lamp
REPLY: drop dagger
REPLY: examine lantern
REPLY: e
REPLY: lanterrn
REPLY: look
REPLY: take jar
REPLY: grorork
REPLY: watkr
REPLY: south
REPLY: west
REPLY: look
REPLY: n
REPLY: out
REPLY: w
REPLY: examine food
REPLY: dgager
REPLY: examine jar
REPLY: lantren
REPLY: scoe
REPLY: vaskzq
REPLY: take sword
REPLY: take dagger
REPLY: look
REPLY: nw
REPLY: score
REPLY: north
REPLY: down
REPLY: grorblxv
REPLY: i
REPLY: ne
REPLY: out
REPLY: north
REPLY: se
REPLY: inventory
REPLY: in
REPLY: down
REPLY: take coin
REPLY: examine rope
REPLY: examine jar
REPLY: examine dagger
REPLY: south
REPLY: drop rope
REPLY: take sword
REPLY: sw
REPLY: down
REPLY: in
REPLY: dgager
REPLY: up
REPLY: orkbl
REPLY: west
REPLY: drp
REPLY: take torch
REPLY: examine lamp
REPLY: examine sword
REPLY: examine dagger
REPLY: south
REPLY: take book
REPLY: blxv
REPLY: invetory
REPLY: tkke
REPLY: quinvask
REPLY: quinzqxv
REPLY: invenntory
REPLY: south
REPLY: n
REPLY: l
REPLY: s
REPLY: drop sword
REPLY: inventory
REPLY: inventory
REPLY: examine water
REPLY: l
REPLY: w
REPLY: out
REPLY: e
REPLY: north
REPLY: east
REPLY: blquin
REPLY: e
REPLY: i
REPLY: examine jar
REPLY: l
REPLY: drop food
REPLY: e
REPLY: look
REPLY: e
REPLY: in
REPLY: drop water
REPLY: l
REPLY: drop jar
REPLY: take torch
REPLY: west
REPLY: s
REPLY: take water
REPLY: out
REPLY: ne
REPLY: l
REPLY: drop food
REPLY: take key
REPLY: north sword
REPLY: l
REPLY: s
REPLY: take rope
REPLY: l
REPLY: sw
REPLY: l
REPLY: xvxvyth
REPLY: north
REPLY: down
REPLY: south
REPLY: in
REPLY: east
REPLY: sworrd
REPLY: examine sword
REPLY: east
REPLY: north
REPLY: n
REPLY: ne
REPLY: look
REPLY: l
REPLY: l
REPLY: n
REPLY: out
REPLY: vaskzqyth
REPLY: examine lantern
REPLY: fepyth
REPLY: ne
REPLY: l
REPLY: l
REPLY: look
REPLY: drop coin
REPLY: ne
REPLY: i
REPLY: inventory
REPLY: look
REPLY: fepvask
REPLY: s
REPLY: examine book
REPLY: sw
REPLY: nw
REPLY: take
REPLY: north
REPLY: score
REPLY: w
REPLY: drop book
REPLY: inventory
REPLY: l
REPLY: drop torch
REPLY: ne
REPLY: down
REPLY: l
REPLY: n
REPLY: drop book
REPLY: se
REPLY: east
REPLY: take torch
REPLY: score
REPLY: examine coin
REPLY: l
REPLY: souht
REPLY: ne
REPLY: n
REPLY: l
REPLY: sw
REPLY: w
REPLY: drop lantern
REPLY: in
REPLY: tkke
REPLY: drop lamp
REPLY: drop coin
REPLY: fepgrorxv
REPLY: w
REPLY: ne
REPLY: nrth
REPLY: score
REPLY: take lantern
REPLY: take torch
REPLY: west
REPLY: nortth
REPLY: l
REPLY: look
REPLY: drop
REPLY: take coin
REPLY: ne
REPLY: take dagger
REPLY: inventory
REPLY: nw
REPLY: take dagger
REPLY: take coin
REPLY: look
REPLY: tkke
REPLY: l
REPLY: north
REPLY: drop jar
REPLY: score
REPLY: inventory
REPLY: score
REPLY: xvxvmub
REPLY: l
REPLY: examine food
REPLY: examinne
REPLY: take rope
REPLY: up
REPLY: take book
REPLY: i
REPLY: n
REPLY: down
REPLY: e
REPLY: north
REPLY: score
REPLY: drop rope
REPLY: drop water
REPLY: examine jar
REPLY: fepmubgror
REPLY: se
REPLY: take book
REPLY: examine lamp
REPLY: fepfep
REPLY: watre
REPLY: look
REPLY: nw
REPLY: down
REPLY: zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz
REPLY: look
REPLY: take coin
REPLY: i
REPLY: take coin
REPLY: examine food
REPLY: down
REPLY: score
REPLY: n
REPLY: ne
REPLY: down
REPLY: out
REPLY: swrd
REPLY: inventory
REPLY: drop key
REPLY: look
REPLY: nw
REPLY: west
REPLY: look
REPLY: s
REPLY: e
REPLY: drop lantern
REPLY: north
REPLY: drop dagger
REPLY: examine dagger
REPLY: in
REPLY: invenkory
REPLY: l
REPLY: sw
REPLY: look
REPLY: l
REPLY: take jar
REPLY: out
REPLY: look
REPLY: i
REPLY: w
REPLY: nw
REPLY: w
REPLY: take jar
REPLY: down
REPLY: n
REPLY: n;s;e;w
REPLY: look
REPLY: north
REPLY: blfepmub
REPLY: feporkxv
REPLY: sw
REPLY: mubgror
REPLY: west
REPLY: out
REPLY: l
REPLY: compass
REPLY: out
REPLY: take lantern
REPLY: e
REPLY: look
REPLY: nw
REPLY: examine rope
REPLY: nw
REPLY: east
REPLY: l
REPLY: drop jar
REPLY: east
REPLY: drop coin
REPLY: drop book
REPLY: out
REPLY: nw
REPLY: south
REPLY: score
REPLY: inventory
REPLY: nw
REPLY: canndle
REPLY: souht
REPLY: north
REPLY: score
REPLY: i
REPLY: look
REPLY: west
REPLY: inventory
REPLY: e
REPLY: n
REPLY: examine jar
REPLY: lamp take
REPLY: drop book
REPLY: drop coin
REPLY: n
REPLY: exxamine
REPLY: examine dagger
REPLY: examine lamp
REPLY: north
REPLY: examine lamp
REPLY: compas
REPLY: suoth
REPLY: drop coin
REPLY: scoke
REPLY: examine jar
REPLY: norkh
REPLY: i
REPLY: examine key
REPLY: in
REPLY: south
REPLY: south
REPLY: ythquinork
REPLY: wtaer
REPLY: take lantern
REPLY: drop jar
REPLY: drop lamp
REPLY: ythxvbl
REPLY: l
REPLY: out
REPLY: examine water
REPLY: drop rope
REPLY: examine jar
REPLY: take dagger
REPLY: drop lamp
REPLY: east
REPLY: take book
REPLY: nw
REPLY: sw
REPLY: sw
REPLY: north
REPLY: l
REPLY: fepyth
REPLY: xyzzy
REPLY: drop rope
REPLY: north
REPLY: drop key
REPLY: grorxvork
REPLY: e
REPLY: l
REPLY: drop water
REPLY: look
REPLY: in
REPLY: l
REPLY: south
REPLY: east
REPLY: blquinyth
REPLY: score
REPLY: look
REPLY: s
REPLY: examine dagger
REPLY: se
REPLY: examine lamp
REPLY: trch
REPLY: examine sword
REPLY: examine food
REPLY: take lamp
REPLY: examine lantern
REPLY: n
REPLY: se
REPLY: ne
REPLY: vaskquinfep
REPLY: i
REPLY: drop book
REPLY: i
REPLY: south
REPLY: n
REPLY: examine dagger
REPLY: i
REPLY: inventory
REPLY: take sword
REPLY: s
REPLY: drop rope
REPLY: take key
REPLY: sword
REPLY: se
REPLY: sw
REPLY: down
REPLY: up
REPLY: inventory
REPLY: examine food
REPLY: se
REPLY: ne
REPLY: up
REPLY: quinblbl
REPLY: waer
REPLY: examine food
REPLY: sw
REPLY: examine jar
REPLY: w
REPLY: quinythgror
REPLY: l
REPLY: s
REPLY: south
REPLY: drop rope
REPLY: take torch
REPLY: copass
REPLY: nw
REPLY: inventory
REPLY: examine lamp
REPLY: drop torch
REPLY: take lamp
REPLY: l
REPLY: fepvask
REPLY: inventory
REPLY: e
REPLY: l
REPLY: n
REPLY: examine jar
REPLY: north
REPLY: s
REPLY: n
REPLY: drop coin
REPLY: xvblquin
REPLY: look
REPLY:   ,  ; 
REPLY: look
REPLY: drop sword
REPLY: examine food
REPLY: inventory
REPLY: north
REPLY: i
REPLY: in
REPLY: look
REPLY: xvbl
REPLY: score
REPLY: look
REPLY: fepxv
REPLY: look
REPLY: drop torch
REPLY: north
REPLY: n
REPLY: out
REPLY: take coin
REPLY: e
REPLY: e
REPLY: se
REPLY: l
REPLY: look
REPLY: west
REPLY: look
REPLY: down
REPLY: down
REPLY: l
REPLY: drop rope
REPLY: i
REPLY: out
REPLY: take rope
REPLY: take lantern
REPLY: take torch
REPLY: n
REPLY: nw
REPLY: take dagger
REPLY: take book
REPLY: i
REPLY: sw
REPLY: score; score
REPLY: inventory
REPLY: examine book
REPLY: i
REPLY: take lamp
REPLY: look
REPLY: take sword
REPLY: up
REPLY: w
REPLY: drop sword
REPLY: l
REPLY: take jar
REPLY: inventory
REPLY: look
REPLY: drop dagger
REPLY: down
REPLY: orkfepvask
REPLY: i
REPLY: inventory
REPLY: take rope
REPLY: ne
REPLY: examine food
REPLY: i
REPLY: drop dagger
REPLY: east
REPLY: take key
REPLY: ythyth
REPLY: down
REPLY: north
REPLY: examine sword
REPLY: i
REPLY: examine water
REPLY: fepmubxv
REPLY: out
REPLY: se
REPLY: look
REPLY: l
REPLY: zqythzq
REPLY: east
REPLY: se
REPLY: up
REPLY: ta la
REPLY: daggkr
REPLY: north
REPLY: quinfepyth
REPLY: down
REPLY: examine lantern
REPLY: n
REPLY: l
REPLY: score
REPLY: drop lamp
REPLY: i
REPLY: sw
REPLY: in
REPLY: exaamine
REPLY: examine key
REPLY: look
REPLY: north
REPLY: take book
REPLY: take rope
REPLY: inventory
REPLY: examine sword
REPLY: sw
REPLY: examine sword
REPLY: swodr
REPLY: drop sword
REPLY: inventory
REPLY: sw
REPLY: s
REPLY: se
REPLY: down
REPLY: score
REPLY: drop sword
REPLY: inventory
REPLY: nw
REPLY: look
REPLY: drop lamp
REPLY: l
REPLY: l
REPLY: north
REPLY: w
REPLY: n
REPLY: undo
REPLY: north
REPLY: examine rope
REPLY: orkorkork
REPLY: drop sword
REPLY: drop water
REPLY: l
REPLY: l
REPLY: fepyth
REPLY: down
REPLY: ythxvyth
REPLY: drop lamp
REPLY: l
REPLY: sw
REPLY: south
REPLY: mubvask
REPLY: east
REPLY: l
REPLY: se
REPLY: drp
REPLY: drop rope
REPLY: out
REPLY: north
REPLY: quingroryth
REPLY: lanttern
REPLY: l
REPLY: troch
REPLY: zqxvfep
REPLY: exaine
REPLY: take book
REPLY: east
REPLY: north
REPLY: l
REPLY: drop rope
REPLY: west
REPLY: down
REPLY: l
REPLY: e
REPLY: inventory
REPLY: examine rope
REPLY: drop key
REPLY: redo
REPLY: examine jar
REPLY: i
REPLY: take dagger
REPLY: look
REPLY: take key
REPLY: in
REPLY: look
REPLY: south
REPLY: l
REPLY: take food
REPLY: i
REPLY: w
REPLY: look
REPLY: i
REPLY: l
REPLY: se
REPLY: nw
REPLY: north
REPLY: nw
REPLY: in
REPLY: out
REPLY: take jar
REPLY: down
REPLY: examine food
REPLY: drop dagger
REPLY: l
REPLY: grorfep
REPLY: examine jar
REPLY: dkgger
REPLY: score
REPLY: orkmub
REPLY: take torch
REPLY: mubquinzq
REPLY: east
REPLY: l
REPLY: out
REPLY: drop water
REPLY: look
REPLY: drop key
REPLY: nw
REPLY: undo 2
REPLY: l
REPLY: mubgror
REPLY: north
REPLY: cndle
REPLY: fepvask
REPLY: zqquin
REPLY: score
REPLY: look
REPLY: ne
REPLY: l
REPLY: down
REPLY: nw
REPLY: i
REPLY: inventory
REPLY: score
REPLY: out
REPLY: in
REPLY: l
REPLY: examine dagger
REPLY: l
REPLY: take dagger
REPLY: sw
REPLY: nw
REPLY: east
REPLY: examine book
REPLY: south
REPLY: south
REPLY: lanttern
REPLY: tocrh
REPLY: e
REPLY: inventory
REPLY: south
REPLY: examine torch
REPLY: sw
REPLY: orkythvask
REPLY: i
REPLY: e
REPLY: blblxv
REPLY: i
REPLY: examine lantern
REPLY: l ; i
REPLY: examine jar
REPLY: up
REPLY: take jar
REPLY: examine dagger
REPLY: tae
REPLY: s
REPLY: west
REPLY: north
REPLY: drop key
REPLY: l
REPLY: look
REPLY: latern
REPLY: zqxv
REPLY: drop lantern
REPLY: take book
REPLY: take food
REPLY: out
REPLY: inventory
REPLY: e
REPLY: examine torch
REPLY: xvvaskxv
REPLY: up
REPLY: look
REPLY: l
REPLY: drop food
REPLY: ythgrorbl
REPLY: take sword
REPLY: in
REPLY: look
REPLY: i
REPLY: i
REPLY: inventory
REPLY: dagegr
REPLY: east
REPLY: east
REPLY: fepmubfep
REPLY: look
REPLY: ne
REPLY: sw
REPLY: examine water
REPLY: look look look
REPLY: nw
REPLY: drop book
REPLY: drop lantern
REPLY: e
REPLY: drop lantern
REPLY: look
REPLY: vaskfep
REPLY: look
REPLY: take sword
REPLY: l
REPLY: up
REPLY: drop sword
REPLY: n
REPLY: nw
REPLY: vaskxv
REPLY: inventory
REPLY: w
REPLY: take rope
REPLY: drrop
REPLY: take water
REPLY: north
REPLY: look
REPLY: inventory
REPLY: take torch
REPLY: l
REPLY: examine jar
REPLY: take book
REPLY: n
REPLY: w
REPLY: w
REPLY: ythblork
REPLY: drop food
REPLY: ne
REPLY: look
REPLY: drop jar
REPLY: north
REPLY: takke
REPLY: drop lamp
REPLY: s
REPLY: torrch
REPLY: dagger drop
REPLY: invenkory
REPLY: look
REPLY: ythgrorgror
REPLY: se
REPLY: down
REPLY: south
REPLY: west
REPLY: west
REPLY: suoth
REPLY: i
REPLY: in
REPLY: l
REPLY: examine torch
REPLY: out
REPLY: up
REPLY: drop jar
REPLY: examine torch
REPLY: up
REPLY: ne
REPLY: e
REPLY: xvfepquin
REPLY: drop rope
REPLY: west
REPLY: take lamp
REPLY: blyth
REPLY: s
REPLY: sw
REPLY: drop dagger
REPLY: dkgger
REPLY: inventory
REPLY: drop key
REPLY: examine jar
REPLY: l
REPLY: i
REPLY: l
REPLY: drop book
REPLY: tkrch
REPLY: l
REPLY: i
REPLY: i
REPLY: hlp
REPLY: take lantern
REPLY: take lamp
REPLY: se
REPLY: w
REPLY: e
REPLY: s
REPLY: l
REPLY: ne
REPLY: drop dagger
REPLY: sw
REPLY: score
REPLY: blquinmub
REPLY: score
REPLY: sw
REPLY: score
REPLY: take torch
REPLY: drop water
REPLY: north
REPLY: ne
REPLY: quinblquin
REPLY: look
REPLY: examine key
REPLY: inventory
REPLY: look
REPLY: score
REPLY: west
REPLY: out
REPLY: l
REPLY: l
REPLY: up
REPLY: drop jar
REPLY: down
REPLY: take book
REPLY: examine jar
REPLY: nw
REPLY: take key
REPLY: north
REPLY: quinythfep
REPLY: swokd
REPLY: i
REPLY: hepl
REPLY: take water
REPLY: ne
REPLY: drop lamp
REPLY: score
REPLY: drop sword
REPLY: look
REPLY: i
REPLY: examine jar
REPLY: se
REPLY: drop dagger
REPLY: take key
REPLY: ne
REPLY: waer
REPLY: east
REPLY: l
REPLY: sw
REPLY: drop jar
REPLY: examine sword
REPLY: i
REPLY: take key
REPLY: blfepvask
REPLY: drop sword
REPLY: examine torch
REPLY: take dagger
REPLY: l
REPLY: examine lamp
REPLY: se
REPLY: examine food
REPLY: south
REPLY: look
REPLY: examine food
REPLY: examine key
REPLY: s
REPLY: south
REPLY: take sword
REPLY: drop dagger
REPLY: i
REPLY: examine dagger
REPLY: inventory
REPLY: souuth
REPLY: 
REPLY: ythquinfep
REPLY: up
REPLY: orkxv
REPLY: examine rope
REPLY: south
REPLY: w
REPLY: ne
REPLY: w
REPLY: take lantern
REPLY: xvgrorgror
REPLY: in
REPLY: i
REPLY: down
REPLY: look
REPLY: drop torch
REPLY: examine water
REPLY: north
REPLY: examine lamp
REPLY: e
REPLY: look
REPLY: inventory
REPLY: score
REPLY: take jar
REPLY: east
REPLY: nrth
REPLY: look
REPLY: look
REPLY: look
REPLY: i
REPLY: vaskquinquin
REPLY: in
REPLY: in
REPLY: take lamp
REPLY: ne
REPLY: drop food
REPLY: in
REPLY: down
REPLY: l
REPLY: drop lantern
REPLY: up
REPLY: 
REPLY: i
REPLY: s
REPLY: inventory
REPLY: i
REPLY: iventory
REPLY: scoer
REPLY: drop lamp
REPLY: drop water
REPLY: drop book
REPLY: drop sword
REPLY: inventory
REPLY: e
REPLY: west
REPLY: socre
REPLY: examine key
REPLY: examine rope
REPLY: s
REPLY: l
REPLY: drop lamp
REPLY: drop water
REPLY: sw
REPLY: drop food
REPLY: l
REPLY: look
REPLY: inventory
REPLY: take lantern
REPLY: take torch
REPLY: inventory
REPLY: examine coin
REPLY: examine sword
REPLY: west
REPLY: examine book
REPLY: w
REPLY: l
REPLY: se
REPLY: up
REPLY: take jar
REPLY: sw
REPLY: suth
REPLY: ythbl
REPLY: take lamp; drop lamp
REPLY: take torch
REPLY: l
REPLY: zqzq
REPLY: examine water
REPLY: east
REPLY: e
REPLY: down
REPLY: l
REPLY: e
REPLY: i
REPLY: look
REPLY: s
REPLY: i
REPLY: souht
REPLY: examine torch
REPLY: out
REPLY: south
REPLY: ythgrorfep
REPLY: nw
REPLY: west
REPLY: look
REPLY: ne
REPLY: east
REPLY: drop food
REPLY: inventory
REPLY: orkgrorbl
REPLY: n
REPLY: drop sword
REPLY: look
REPLY: l
REPLY: e
REPLY: s
REPLY: i
REPLY: look
REPLY: l
REPLY: take rope
REPLY: l
REPLY: take rope
REPLY: north
REPLY: l
REPLY: take lamp, key, sword
REPLY: tkrch
REPLY: l
REPLY: down
REPLY: torcch
REPLY: l
REPLY: e
REPLY: east
REPLY: fepxv
REPLY: nw
REPLY: drop lantern
REPLY: troch
REPLY: examine food
REPLY: drop lantern
REPLY: down
REPLY: look
REPLY: look
REPLY: drop torch
REPLY: out
REPLY: n
REPLY: out
REPLY: look
REPLY: take water
REPLY: look
REPLY: east
REPLY: orkmubgror
REPLY: l
REPLY: quinfepfep
REPLY: e
REPLY: south
REPLY: take sword
REPLY: examine key
REPLY: down
REPLY: nw
REPLY: out
REPLY: w
REPLY: quinork
REPLY: take rope
REPLY: s
REPLY: l
REPLY: examine torch
REPLY: take all except lamp, key
REPLY: drop key
REPLY: look
REPLY: inventory
REPLY: take rope
REPLY: drop sword
REPLY: in
REPLY: take book
REPLY: drop lamp
REPLY: look
REPLY: examinne
REPLY: south
REPLY: ne
REPLY: l
REPLY: ne
REPLY: e
REPLY: examine lantern
REPLY: inventory
REPLY: take rope
REPLY: drop jar
REPLY: mubyth
REPLY: look
REPLY: drop water
REPLY: look
REPLY: look
REPLY: north
REPLY: drop dagger
REPLY: noorth
REPLY: examine water
REPLY: score
REPLY: look
REPLY: i
REPLY: examine dagger
REPLY: west
REPLY: inventory
REPLY: drop rope
REPLY: l
REPLY: look
REPLY: sw
REPLY: look
REPLY: compaks
REPLY: again
REPLY: look
REPLY: sw
REPLY: up
REPLY: north
REPLY: se
REPLY: take rope
REPLY: l
REPLY: examne
REPLY: l
REPLY: n
REPLY: inventory
REPLY: cadnle
REPLY: examine jar
REPLY: ne
REPLY: take torch
REPLY: watre
REPLY: down
REPLY: sw
REPLY: out
REPLY: l
REPLY: drop key
REPLY: orkxv
REPLY: drop coin
REPLY: se
REPLY: daggeer
REPLY: score
REPLY: wter
REPLY: sw
REPLY: look
REPLY: down
REPLY: out
REPLY: se
REPLY: ne
REPLY: take food
REPLY: look
REPLY: west
REPLY: l
REPLY: sw
REPLY: l
REPLY: examine dagger
REPLY: g
REPLY: ne
REPLY: out
REPLY: look
REPLY: score
REPLY: s
REPLY: e
REPLY: l
REPLY: sw
REPLY: north
REPLY: n
REPLY: examine coin
REPLY: north
REPLY: fepfep
REPLY: look
REPLY: down
REPLY: examine water
REPLY: take torch
REPLY: n
REPLY: in
REPLY: l
REPLY: drop water
REPLY: up
REPLY: examine water
REPLY: take coin
REPLY: east
REPLY: down
REPLY: s
REPLY: n
REPLY: sw
REPLY: drop lamp
REPLY: l
REPLY: quinzq
REPLY: examine rope
REPLY: south
REPLY: i
REPLY: examine lamp
REPLY: drop water
REPLY: west
REPLY: quinork
REPLY: look
REPLY: LOOK
REPLY: e
REPLY: sw
REPLY: drop jar
REPLY: take key
REPLY: west
REPLY: drop water
REPLY: ne
REPLY: i
REPLY: cmopass
REPLY: score
REPLY: examine water
REPLY: s
REPLY: drop water
REPLY: take water
REPLY: look
REPLY: blquinquin
REPLY: taek
REPLY: n
REPLY: sw
REPLY: blgror
