# Sources of core/calculators, listed explicitly.
target_sources(tallyfold_core PRIVATE
)
