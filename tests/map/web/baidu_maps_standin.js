// A small stand-in for the parts of the Baidu Maps API and its converter the page uses. Conversions
// answer later, each on its own, shifted by a fixed offset; release() answers the waiting ones in the
// order given by window.standinOrder (default: request order).
(function () {
  function Point(lng, lat) { this.lng = lng; this.lat = lat; }
  function Marker(point) { this.point = point; }
  function Polyline(points, options) { this.points = points.slice(); this.options = options; }
  Polyline.prototype.setPath = function (points) { this.points = points.slice(); };
  Polyline.prototype.getPath = function () { return this.points; };
  function NavigationControl(options) { this.options = options; }
  function Map(id) { this.id = id; this.overlays = []; this.controls = []; this.zoom = 0; this.center = null; }
  Map.prototype.centerAndZoom = function (p, z) { this.center = p; this.zoom = z; };
  Map.prototype.getZoom = function () { return this.zoom; };
  Map.prototype.addControl = function (c) { this.controls.push(c); };
  Map.prototype.enableScrollWheelZoom = function () { this.wheel = true; };
  Map.prototype.enableKeyboard = function () { this.keyboard = true; };
  Map.prototype.addOverlay = function (o) { this.overlays.push(o); };
  Map.prototype.removeOverlay = function (o) {
    var i = this.overlays.indexOf(o);
    if (i >= 0) this.overlays.splice(i, 1);
  };

  var waiting = [];
  window.standinRequests = [];
  window.standinRelease = function (order) {
    var batch = waiting;
    waiting = [];
    (order || batch.map(function (_, i) { return i; })).forEach(function (i) { batch[i](); });
    return batch.length;
  };
  var Convertor = {
    translate: function (point, type, callback) {
      window.standinRequests.push([point.lng, point.lat, type]);
      waiting.push(function () { callback(new Point(point.lng + 0.0065, point.lat + 0.006)); });
    }
  };
  window.BMAP_NAVIGATION_CONTROL_LARGE = 0;
  window.BMap = { Point: Point, Marker: Marker, Polyline: Polyline, NavigationControl: NavigationControl,
                  Map: Map, Convertor: Convertor };
})();
