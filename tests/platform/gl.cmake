# Filled in with the OpenGL view framework.
