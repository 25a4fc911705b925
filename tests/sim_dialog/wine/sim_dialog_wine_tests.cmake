# The simulated server's address book dialogs as real modal windows, with the real program
# under Wine; included by tests/wine/CMakeLists.txt, whose quorvel_wine_test() it uses.
function(quorvel_sim_dialog_wine_test name script)
  quorvel_wine_test(${name} ../sim_dialog/wine/${script} RESOURCE_LOCK quorvel_window)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "QUORVEL_SIM_DLL=$<TARGET_FILE:quorvel_sim>")
endfunction()

quorvel_sim_dialog_wine_test(WineSimDialogsAreOwnedByTheQuorvelWindow dialogs_owned.sh)
quorvel_sim_dialog_wine_test(WineWatchdogTicksWhileTheSimDialogIsOpen dialog_past_timeout.sh)
