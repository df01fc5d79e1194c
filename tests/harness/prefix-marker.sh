# The marker of the throw-away prefix: the harness writes it, the tests' guard reads it
# (tests/support/guard/CMakeLists.txt takes both values from here).
marker_name=tallyvane-test-prefix.txt
marker_text="Throw-away Wine prefix of the Tallyvane tests"
