int unused_kovan_page = 0;
