# Tests of this folder: icevale_core_test(...) for formats, icevale_ui_test(...) for windows.
