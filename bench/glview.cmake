# Benchmarks of this area are added by the issue that builds it.
