# The game's spine: wave files, sound bank, high score, title and frame of
# play driven directly, and headless runs of the real game binary.
foreach(name test_wave_file test_highscore test_soundbank test_game_spine)
  qmx_test(${name} qmx_game)
endforeach()
qmx_program_test(test_game_run game)
