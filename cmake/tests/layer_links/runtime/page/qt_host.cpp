int unused_qt_host = 0;
