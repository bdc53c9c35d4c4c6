# The editor's tests: its modules driven directly, and headless runs of the
# editor binary (and of the game on what the editor saved).
foreach(name test_editor_menu test_part_edit test_editor_commands test_editor_frame)
  qmx_test(${name} qmx_editor)
endforeach()
qmx_program_test(test_editor_run editor game)
