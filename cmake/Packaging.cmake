# The Debian package of both programs.
