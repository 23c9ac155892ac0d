# Format code goes to icevale_core, windows to icevale_ui.
