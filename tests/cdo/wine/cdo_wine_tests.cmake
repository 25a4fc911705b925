# The CDO probe of the real program against the simulated MAPI server under Wine, one
# case file per test; included by tests/wine/CMakeLists.txt, whose quorvel_wine_test() it
# uses.
function(quorvel_cdo_wine_test name case)
  quorvel_wine_test(${name} ../cdo/wine/cdo_case.sh RESOURCE_LOCK quorvel_window)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
    "QUORVEL_SIM_DLL=$<TARGET_FILE:quorvel_sim>"
    "CDO_CASE_FILE=${CMAKE_SOURCE_DIR}/tests/cdo/wine/${case}.case")
endfunction()

quorvel_cdo_wine_test(WineCdoHealthyRunGivesTheExampleLines healthy)
quorvel_cdo_wine_test(WineCdoLogonErrorIsTracedAndLogsOffTwice logon_error)
quorvel_cdo_wine_test(WineCdoAddressBookErrorGivesNoRecipients address_book_error)
quorvel_cdo_wine_test(WineCdoBareLogonCodeGetsTheSystemTextForItsNumber logon_bare_code)
