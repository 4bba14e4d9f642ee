// Ball physics step: filled in with the playable game.
