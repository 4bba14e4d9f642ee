# The view's processor share while animating is measured by
# bench/glview-cpu.sh on the glview-demo program (built in game/glview).
