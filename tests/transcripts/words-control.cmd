Wiz: 1234
REPLY: save
REPLY: restore
REPLY: begin
REPLY: no
REPLY: score
REPLY: inventory
REPLY: save
REPLY: yes
REPLY:
REPLY: save
REPLY: yes
REPLY: lane
REPLY: yes
REPLY: w
REPLY: save lane
REPLY: yes
REPLY: no
REPLY: restore lane
REPLY: no
REPLY: save woods
REPLY:
REPLY: maybe
REPLY:
REPLY: restore
REPLY:
REPLY: restore
REPLY: woods
REPLY: yes
REPLY: no
REPLY: restore nowhere
REPLY: load
REPLY: resume lane
REPLY: yes
REPLY:
REPLY: undo
REPLY: no
REPLY: undo on
REPLY: yes
REPLY: undo on
REPLY: e
REPLY: w
REPLY: e
REPLY: undo 3
REPLY: redo
REPLY: undo undo
REPLY: redo
REPLY: undo off
REPLY: mark
REPLY:
REPLY: w
REPLY: rewind
REPLY: yes
REPLY: mark
REPLY: terse
REPLY: terse
REPLY: w
REPLY: brief
REPLY: verbose
REPLY: wait
REPLY: listen
REPLY: swim
REPLY: e
REPLY: e
REPLY: wait
REPLY: listen
REPLY: swim
REPLY: take lamp
REPLY: take key
REPLY: inventory
REPLY: inventory lamp
REPLY: undo 3
REPLY: redo
REPLY: home
REPLY: woods
REPLY: crawl
REPLY: echo
REPLY: map
REPLY: rest
REPLY: cheat
REPLY: no
REPLY: kelnish
REPLY: kelnish
REPLY: qmbjomz
REPLY: plainly
REPLY: help
REPLY: no
REPLY: story
REPLY: yes
REPLY: no
REPLY: intro
REPLY: no
REPLY: manual
REPLY: restart
REPLY: please
REPLY: width
REPLY: width 60
REPLY: margin 2
REPLY: justify
REPLY: justify off
REPLY: depth 30
REPLY: depth
REPLY: quit
REPLY: no
REPLY: quit
REPLY: yes
