namespace rst_ui_placeholder { int x = 0; }
