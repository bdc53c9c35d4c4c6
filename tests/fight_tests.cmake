# The fight: the hand, the part physics and tearing off, the flight and
# bleeding, the blood splashes; and one headless score-attack run.
foreach(module hand physics flight blood)
  qmx_test(test_${module} qmx_game)
endforeach()
qmx_program_test(test_fight_run game)
