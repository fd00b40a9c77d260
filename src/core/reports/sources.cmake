# Sources of core/reports, listed explicitly.
target_sources(tallyfold_core PRIVATE
)
