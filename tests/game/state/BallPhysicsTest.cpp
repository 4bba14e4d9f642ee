// Ball physics tests: filled in with the playable game.
