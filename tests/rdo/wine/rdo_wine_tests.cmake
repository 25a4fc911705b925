# Whole probe runs of the real program under Wine against the simulated MAPI server, RDO
# probe and watchdog; included by tests/wine/CMakeLists.txt, whose quorvel_wine_test() it
# uses. The scripts know the server DLL's file version from QUORVEL_SIM_VERSION.
function(quorvel_rdo_wine_test name script)
  quorvel_wine_test(${name} ../rdo/wine/${script} RESOURCE_LOCK quorvel_window)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
    "QUORVEL_SIM_DLL=$<TARGET_FILE:quorvel_sim>"
    "QUORVEL_SIM_VERSION=$<TARGET_PROPERTY:quorvel_sim,QUORVEL_FILE_VERSION>")
endfunction()

quorvel_rdo_wine_test(WineRdoExampleTraceOfAWholeRun rdo_example_trace.sh)
quorvel_rdo_wine_test(WineRdoNoVersionLineWithoutTheFixedClassKey rdo_no_class_key.sh)
quorvel_rdo_wine_test(WineWatchdogEndsAFirstRunWhoseCdoLogonHangs rdo_first_logon_hang.sh)
quorvel_rdo_wine_test(WineWatchdogTicksTwiceWhileTheRdoLogonHangs rdo_logon_hang.sh)
