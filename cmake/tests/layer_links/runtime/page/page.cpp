int unused_page = 0;
