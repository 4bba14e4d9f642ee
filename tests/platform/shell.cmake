# Filled in with the editor and the shared document shell.
