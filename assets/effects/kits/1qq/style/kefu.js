/* Online-service panel: the cross closes the panel to a tab at the window's
   edge, the tab opens it again; the panel slides while it does. */
(function ($) {
  $(function () {
    var $panel = $(".keifu");
    if (!$panel.length) return;
    $panel.find(".keifu_close").click(function () {
      $panel.find(".keifu_box").animate({ width: 0, opacity: 0 }, 200, function () {
        $panel.addClass("closed");
        $(this).css({ width: "", opacity: "" });
      });
      return false;
    });
    $panel.find(".icon_keifu").click(function () {
      var $box = $panel.find(".keifu_box");
      $panel.removeClass("closed");
      $box.css({ width: 0, opacity: 0 }).animate({ width: 130, opacity: 1 }, 200);
    });
  });
})(jQuery);
