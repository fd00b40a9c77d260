# Sources of core/model, listed explicitly.
target_sources(tallyfold_core PRIVATE
)
